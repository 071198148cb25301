#include "core/ClassMemoria.h"

#include <cmath>

#include "core/ConversionesNum.h"

ClassMemoria::ClassMemoria() {
    // Until the first clear, address 0 counts as accessed.
    RegistrarAcceso(0);
}

void ClassMemoria::Inicializar(int32_t flags) {
    BorrarSecciones();
    vectores_.fill(0);
    ram0_.fill(0);
    ram1_.fill(0);
    rom_.fill(0);
    perifericos_.fill(0);
    if (flags & 1) AgregarSeccion("Vectores de Interrupcion", 1, 0x0000FF, 0x000000, 0x00003F, vectores_.data());
    AgregarSeccion("RAM Bloque 0", 2, 0x0080FF, 0x809800, 0x809BFF, ram0_.data());
    if (flags & 4) AgregarSeccion("RAM Bloque 1", 3, 0x00FFFF, 0x809C00, 0x809FFF, ram1_.data());
    if (flags & 8) AgregarSeccion("ROM", 4, 0x00FF00, 0x000000, 0x000FFF, rom_.data());
    if (flags & 16) AgregarSeccion("Periféricos", 6, 0xFFFF00, 0x808000, 0x808064, perifericos_.data());
}

ClassTablaAsig& ClassMemoria::TablaAsig(int32_t i) {
    if (i < 1 || i > numSecciones_) {
        filaSuelta_ = ClassTablaAsig{};
        return filaSuelta_;
    }
    return filas_[i - 1];
}

const ClassTablaAsig& ClassMemoria::TablaAsig(int32_t i) const {
    static const ClassTablaAsig kVacia{};
    return (i < 1 || i > numSecciones_) ? kVacia : filas_[i - 1];
}

int16_t ClassMemoria::LeeDatoDSP(Valor& valor, int32_t dir, bool flotante) {
    const int32_t* p = Palabra(dir);
    if (!p) return 1;
    RegistrarAcceso(dir);
    if (flotante) {
        double d = 0.0;
        ConvertirFlotDSPADoble(*p, d);
        valor = Valor::Doble(d);
    } else {
        valor = Valor::Entero(*p);
    }
    return 0;
}

int16_t ClassMemoria::EscribeDatoDSP(const Valor& valor, int32_t dir, bool flotante) {
    int32_t w = 0;
    int16_t err = 0;
    if (flotante) {
        err = ConvertirDobleAFlotDSP(valor.ComoDoble(), w) ? 1 : 0;
    } else if (valor.EsDoble()) {
        double r = std::nearbyint(valor.doble);
        if (r >= -2147483648.0 && r <= 2147483647.0) w = static_cast<int32_t>(r);
        else err = 1;
    } else {
        w = valor.ComoEntero();
    }
    RegistrarAcceso(dir);
    if (err) return err;
    return Escribe(dir, w);
}

void ClassMemoria::AgregarSeccion(const char* identificador, int32_t numID, int32_t color,
                                  int32_t ini, int32_t fin, int32_t* datos) {
    ClassTablaAsig& f = filas_[numSecciones_];
    f = ClassTablaAsig{};
    f.identificador_ = identificador;
    f.numID_ = numID;
    f.color_ = color;
    f.ini_ = ini;
    f.fin_ = fin;
    f.PrnINI(ini);
    f.PrnFin(fin);
    f.PrnOK(true);
    deco_[numSecciones_] = Decodificacion{ini, fin, datos};
    ++numSecciones_;
}

void ClassMemoria::BorrarSecciones() {
    while (numSecciones_ > 0) filas_[--numSecciones_] = ClassTablaAsig{};
}
