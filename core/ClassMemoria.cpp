#include "core/ClassMemoria.h"

#include <algorithm>
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
    ConstruirTramos();
}

void ClassMemoria::ConstruirTramos() {
    mapa_ = ++sMapas;
    vigiladas_.fill(0);
    numTramos_ = 0;
    ultimoTramo_ = 0;
    tramos_.fill(Tramo{});
    // Every region start and every address after a region end bounds a piece.
    std::array<int64_t, 2 * kMaxSecciones> cortes{};
    int n = 0;
    for (int i = 0; i < numSecciones_; ++i) {
        cortes[n++] = deco_[i].ini;
        cortes[n++] = int64_t{deco_[i].fin} + 1;
    }
    std::sort(cortes.begin(), cortes.begin() + n);
    for (int k = 0; k + 1 < n; ++k) {
        if (cortes[k] == cortes[k + 1]) continue;
        const int32_t ini = static_cast<int32_t>(cortes[k]);
        const int32_t fin = static_cast<int32_t>(cortes[k + 1] - 1);
        for (int i = 0; i < numSecciones_; ++i) {
            const Decodificacion& d = deco_[i];
            if (ini < d.ini || ini > d.fin) continue;
            int32_t* datos = d.datos + (ini - d.ini);
            Tramo* previo = numTramos_ > 0 ? &tramos_[numTramos_ - 1] : nullptr;
            if (previo && int64_t{previo->fin} + 1 == ini && previo->datos + (ini - previo->ini) == datos)
                previo->fin = fin;  // the same region goes on
            else
                tramos_[numTramos_++] = Tramo{ini, fin, datos};
            break;
        }
    }
}

const int32_t* ClassMemoria::BuscarPalabra(int32_t dir) const {
    for (int i = 0; i < numTramos_; ++i) {
        const Tramo& t = tramos_[i];
        if (dir >= t.ini && dir <= t.fin) {
            ultimoTramo_ = i;
            return t.datos + (dir - t.ini);
        }
    }
    return nullptr;
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

int16_t ClassMemoria::EscribeDatoConvertido(const Valor& valor, int32_t dir, bool flotante) {
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
