// The four program tables and the records of the break lists.
#include "data/CollectDatosFich.h"
#include "data/CollectErrDSK.h"
#include "data/CollectMarcaRupt.h"
#include "data/CollectPuntoRupt.h"
#include "data/CollectTablaRef.h"
#include "data/CollectTablaSect.h"

ClassDatosFich& CollectDatosFich::Add(int32_t PosMem, int32_t Contenido, const std::string& CodASM) {
    ClassDatosFich& r = Anadir(false);
    r.PosMem(PosMem);
    r.Contenido(Contenido);
    r.CodASM(CodASM);
    return r;
}

int32_t CollectDatosFich::BuscarMemPos(int32_t lMemPos) const {
    const auto& regs = Registros();
    for (std::size_t i = 0; i < regs.size(); ++i)
        if (regs[i]->PosMem() == lMemPos) return static_cast<int32_t>(i + 1);
    return 0;
}

ClassErrDSK& CollectErrDSK::Add(int32_t Linea, int32_t ErrDSK, const std::string& StrMsg) {
    ClassErrDSK& r = Anadir(true);
    r.Linea(Linea);
    r.ErrDSK(ErrDSK);
    r.StrMsg(StrMsg);
    Contar(ErrDSK, +1);
    return r;
}

void CollectErrDSK::Remove(int32_t posicion) {
    const int32_t tipo = Item(posicion).ErrDSK();
    Quitar(posicion);
    Contar(tipo, -1);
}

void CollectErrDSK::Clear() {
    Vaciar();
    mNumErrores = 0;
    mNumWarnings = 0;
}

// Kinds 1 and 3 are errors, 2 and 4 warnings; other kinds count nowhere.
void CollectErrDSK::Contar(int32_t ErrDSK, int32_t delta) {
    if (ErrDSK == 1 || ErrDSK == 3) mNumErrores += delta;
    else if (ErrDSK == 2 || ErrDSK == 4) mNumWarnings += delta;
}

ClassTablaRef& CollectTablaRef::Add(const std::string& Identificador, int32_t Contenido, int16_t Tipo,
                                    int16_t Dir_able) {
    ClassTablaRef& r = Anadir(true);
    r.Identificador(Identificador);
    r.Contenido(Contenido);
    r.Tipo(Tipo);
    r.Dir_able(Dir_able);
    return r;
}

ClassTablaSect& CollectTablaSect::Add(const std::string& Identificador, int32_t Ini, int32_t Fin,
                                      int32_t Longitud) {
    ClassTablaSect& r = Anadir(true);
    r.Identificador(Identificador);
    r.Ini(Ini);
    r.Fin(Fin);
    r.Longitud(Longitud);
    return r;
}

ClassPuntoRupt& CollectPuntoRupt::Add(int32_t PosMem, const std::string& Identificador) {
    ClassPuntoRupt& r = AnadirEntrada();
    r.PosMem(PosMem);
    r.Identificador(Identificador);
    return r;
}

ClassMarcaRupt& CollectMarcaRupt::Add(int32_t Tipo, int32_t PosMem, int32_t Comp, int32_t Operando,
                                      int16_t TipoDatos, const std::string& Identificador) {
    ClassMarcaRupt& r = AnadirEntrada();
    r.Tipo(Tipo);
    r.PosMem(PosMem);
    r.Comp(Comp);
    r.Operando(Operando);
    r.TipoDatos(TipoDatos);
    r.Identificador(Identificador);
    return r;
}
