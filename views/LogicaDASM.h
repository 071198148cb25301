// What the listing window shows and does, without a window: the two combo
// boxes (view type and section or region), the grid state with its rows,
// texts, colours and stage pictures, and the operations the main window and
// the debug menu call. It reads the program-wide objects and keeps no copy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/EstadoGrid.h"

class LogicaDASM {
public:
    enum TipoVista : int16_t { kSecciones = 0, kFichero = 1, kMemoria = 2 };
    struct Entrada {
        std::string texto;
        int32_t dato = 0;   // item data: the section's or region's number, 0 for "(Vacio)"
    };
    static const std::vector<std::string>& TextosTipo();

    // Colours (&HBBGGRR).
    static constexpr uint32_t kFondoPC = 0x80FFFF, kTextoPC = 0;
    static constexpr uint32_t kFondoRupt = 0x004080, kTextoRupt = 0xFFFFFF;
    // Pictures of the fetch, decode, read and execute stages in the image list.
    static constexpr int16_t kImagenEtapa[4] = {3, 4, 5, 6};

    LogicaDASM();

    EstadoGrid& Grid() { return grid_; }
    const EstadoGrid& Grid() const { return grid_; }

    // Combo boxes. Choosing an entry (by the user or from code) runs its handler.
    int16_t TipoActual() const { return tipo_; }
    const std::vector<Entrada>& Entradas() const { return entradas_; }
    int32_t EntradaActual() const { return entrada_; }
    void ElegirTipo(int16_t indice);     // CmbTipoDASM: list index, then its Click
    void ElegirEntrada(int32_t indice);  // CmbSecDASM: list index, then its Click
    // Grows whenever the combos' items or choices change (the window follows it).
    uint32_t VersionCombos() const { return versionCombos_; }

    // Public operations of the window.
    void Refrescar();
    void AlternarPuntoRupt();
    void Inicializar();
    void QuitarPuntosRupt();
    void BuscarCelda(int32_t& direccion);
    void PintarLinea(int32_t fila, uint32_t fondo, uint32_t texto);
    int32_t PosMemAct() const;
    int32_t CodInstr() const;
    void SituarPC();
    // Fills the rows on screen (also after a scroll or a resize).
    void RefrescarLineas();

    bool VistaConDatos() const { return vistaConDatos_; }
    int32_t FilaPC() const { return filaPC_; }
    int32_t FilaEtapa(int k) const { return filaEtapa_[k]; }

private:
    struct Rango {
        bool valido = false;
        int32_t ini = 0;
        int32_t filasDatos = 0;   // data rows: addresses ini .. ini + filasDatos - 1
    };
    Rango RangoEntrada(int32_t k) const;
    void CmbTipoDASM_Click();
    void CmbSecDASM_Click();
    void ConfigurarCuadro();
    int32_t BuscarFilaPosMem(int32_t direccion) const;
    int16_t LocalizarPosMem(int32_t direccion, int32_t& entrada, int32_t& fila) const;
    bool DireccionFila(int32_t fila, int32_t& direccion) const;
    void ColorearFila(int32_t fila);
    void LlenarFila(int32_t fila);

    EstadoGrid grid_;
    int16_t tipo_ = -1;
    std::vector<Entrada> entradas_;
    int32_t entrada_ = -1;
    uint32_t versionCombos_ = 0;
    bool vistaConDatos_ = false;
    int32_t filaPC_ = -1;
    int32_t filaEtapa_[4] = {0, 0, 0, 0};   // FilaBusqueda, FilaDecodificacion, FilaLectura, FilaEjecucion
};
