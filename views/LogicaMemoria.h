// What the memory window shows and does, without a window: the region and
// format lists, the grid of words (address column, data columns), the marks
// of the stack pointer and of the last cycle's data accesses, the status-bar
// panels, and the members the main window and the core call. It reads the
// program-wide objects and keeps no copy of them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "views/EstadoGrid.h"

class ClassTablaAsig;

class LogicaMemoria {
public:
    struct Entrada {
        std::string texto;
        int32_t dato = 0;   // the region's row in the memory map
    };
    static const std::vector<std::string>& TextosTipoDatos();

    static constexpr uint32_t kFondoMarca = 0x80000018;   // system colour of tool-tip backgrounds
    static constexpr uint32_t kTextoIdentificador = 0xC00000;
    // The two emphases of a cell: the stack pointer's and a data access's.
    static constexpr EstadoGrid::AtributoFuente kEnfasisSP = EstadoGrid::kSubrayado;
    static constexpr EstadoGrid::AtributoFuente kEnfasisAcceso = EstadoGrid::kNegrita;
    // The grid's width that is not for data columns, and the address column's
    // own width, which holds an address (twips).
    static constexpr int32_t kMargenAncho = 1200, kAnchoDireccion = 800;
    static int32_t AnchoDatos(int16_t tipoDatos);

    LogicaMemoria();

    EstadoGrid& Grid() { return grid_; }
    const EstadoGrid& Grid() const { return grid_; }

    // Load steps 2-4 and 6-8 (the window applies the stored place in between).
    void Cargar();

    // The two lists. Choosing an entry (by the user or from code) runs its handler.
    const std::vector<Entrada>& Regiones() const { return regiones_; }
    int32_t RegionActual() const { return region_; }
    void ElegirRegion(int32_t indice);       // CmbMemoria: list index, then its Click
    int16_t TipoDatos() const { return tipoDatos_; }
    void ElegirTipoDatos(int16_t indice);    // CmbTipoDatos: list index, then its Click
    uint32_t VersionListas() const { return versionListas_; }
    // Colour of the chosen region (&HBBGGRR), painted beside the lists.
    int32_t ColorRegion() const;

    // The grid's width in twips, as the window places it (Refrescar reads it).
    void AnchoGrid(int32_t twips) { anchoGrid_ = twips; }

    // Public members of the window.
    void RefrescarCuadro();
    void EditarCelda();
    void BuscarCelda(int32_t& direccion);
    // A caller's address, never asked for (address 0 included).
    void MostrarCelda(int32_t direccion);
    void EstablecerIdentificador();
    void AlternarMarca();
    void QuitarMarcas();
    void Refrescar();
    // Clipboard: the text copy and cut put there, and the paste of a text
    // (std::nullopt: the clipboard holds no plain text).
    std::string Copiar();
    std::string Cortar();
    void Pegar(const std::optional<std::string>& texto);

    // The current cell changed (ActualizarPanelesMemoria); nothing while busy.
    void CeldaCambiada();
    // Panels 1..7 of the status bar.
    const std::string& Panel(int i) const { return paneles_[size_t(i - 1)]; }

    // Geometry: the address of a cell, the cell of an address.
    int32_t DireccionCelda(int32_t fila, int32_t col) const;
    int32_t DireccionActual() const { return DireccionCelda(grid_.Fila(), grid_.Columna()); }
    int32_t InicioRegion() const { return inicio_; }
    int32_t ColumnasDatos() const { return grid_.Columnas() - 1; }
    // Addresses of the selected cells, row by row, left to right.
    std::vector<int32_t> DireccionesSeleccion() const;
    const std::vector<int32_t>& Accesos() const { return accesos_; }
    bool Ocupado() const { return ocupado_; }

    // What the window provides: the modal watch-mark dialog for an address,
    // and the system beep. Without them nothing is shown or sounded.
    std::function<void(int32_t)> dialogoMarca;
    std::function<void()> pitido;

private:
    void LlenarRegiones();
    void SeguirMapa();
    void CmbMemoria_Click();
    void CmbTipoDatos_Click();
    const ClassTablaAsig* RegionElegida() const;
    void SituarCelda(int32_t direccion);
    int32_t FilasRegion() const;
    int32_t FilaDeDireccion(int32_t direccion) const;
    void Colores();
    void Marcar(int32_t direccion, int32_t hasta, EstadoGrid::AtributoFuente enfasis, bool activo);
    void Avisar(const std::string& texto, int contexto);
    void IrACelda(int32_t direccion, bool preguntada);

    EstadoGrid grid_;
    std::vector<Entrada> regiones_;
    int32_t region_ = -1;
    int16_t tipoDatos_ = -1;
    uint32_t versionListas_ = 0;
    int32_t inicio_ = 0;
    int32_t anchoDatos_ = 960;
    int32_t anchoGrid_ = 9000;
    std::vector<int32_t> accesos_ = std::vector<int32_t>(1, 0);
    bool ocupado_ = false;
    std::array<std::string, 7> paneles_{"Dirección", "", "Identificador", "", "Marca Ruptura ", "", "SP "};
};
