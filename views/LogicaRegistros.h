// What the register window shows and does, without a window: the 29 boxes
// (text, display format, italic mark), the copy of the registers against which
// changes are marked, the edit protocol, and the four bit panels of ST, IF, IE
// and IOF with their fold-out area. The window mirrors this state.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/ClassRegistrosCPU.h"

// The main window's numeric-format pop-up menu, as the register window uses it.
class IMenuFormato {
public:
    virtual ~IMenuFormato() = default;
    virtual int16_t ResultadoPopUpMenu() const = 0;
    virtual void ResultadoPopUpMenu(int16_t valor) = 0;
    virtual void Elemento(int16_t k, bool marcado, bool activo) = 0;
    // Shows the menu at the mouse and returns once it closed (a chosen item has
    // set ResultadoPopUpMenu by then).
    virtual void Mostrar() = 0;
};

// Positions and sizes of the window's controls, in twips.
namespace disposicion {
struct Rect {
    int32_t left, top, width, height;
};
inline constexpr int32_t kAnchoVentana = 4000, kAltoVentana = 5000;
Rect CmdReg(int i);
Rect TxtReg(int i);
Rect CmdRegEXT(int i);
Rect TxtRegEXT(int i);
Rect CmdRegBIT(int i);
Rect TxtRegBIT(int i);
Rect CmdLimpiar();
Rect CmdResetReg();
Rect CmdMasInfo(int i);
Rect CmdViewBIT(int i);
Rect PicRegBIT(int i);   // size, and the docked place
}  // namespace disposicion

class LogicaRegistros {
public:
    enum Arreglo : int8_t { kTxtReg = 0, kTxtRegEXT = 1, kTxtRegBIT = 2 };
    static constexpr int kNumCajas[3] = {17, 8, 4};
    enum PanelBIT : int8_t { kST = 0, kIF = 1, kIE = 2, kIOF = 3 };

    struct Caja {
        std::string texto;
        int16_t formato = 0;
        bool cursiva = false;
    };
    enum class Salida { Hecha, Invalida, VolverFoco };

    // Captions, tool tips and allowed-format masks.
    static std::string Boton(Arreglo a, int i);
    static std::string AyudaCaja(Arreglo a, int i);
    static int16_t Mascara(Arreglo a, int i);

    // Load: a fresh copy of the registers, every box hexadecimal, boxes filled
    // and nothing marked, the panels folded and docked.
    void Cargar();

    const Caja& CajaDe(Arreglo a, int i) const { return cajas_[a][size_t(i)]; }
    Caja& CajaDe(Arreglo a, int i) { return cajas_[a][size_t(i)]; }
    const ClassRegistrosCPU& RegistrosPrevios() const { return previos_; }

    void Refrescar();        // RefrescarTxtReg, then PresMod
    void RefrescarTxtReg();
    void PresMod();
    void CmdLimpiar();
    void CmdResetReg();

    // Format choice through the main window's pop-up menu.
    void CmdReg_Click(Arreglo a, int i, IMenuFormato& menu);

    // Editing. The window puts the box's current text into CajaDe(a, i).texto
    // before LostFocus and KeyPress. Refrescar of the main window is called
    // after an edit of PC. Only a text the user typed is written: a rewrite of
    // the box being edited (a refresh, a new format, a refused text put back)
    // becomes its entry text.
    void GotFocus(Arreglo a, int i);
    bool KeyPress(Arreglo a, int i, int tecla);   // true: the key is swallowed
    Salida LostFocus(Arreglo a, int i);
    std::function<void()> refrescarPrincipal;

    // Bit panels.
    static bool TieneCasilla(PanelBIT p, int bit);
    static std::string Etiqueta(PanelBIT p, int bit);
    static std::string AyudaCasilla(PanelBIT p, int bit);
    bool Casilla(PanelBIT p, int bit) const { return casillas_[p][size_t(bit)]; }
    void Chc_Click(PanelBIT p, int bit, bool marcada);
    void CmdMasInfo_Click(int i);
    void CmdRegBIT_Click(int i);
    int NivelPanel() const { return nivelPanel_; }
    bool PanelFlotante(int i) const { return flotante_[size_t(i)]; }
    bool MasInfoActivo(int i) const { return masInfoActivo_[size_t(i)]; }
    int32_t AltoObjetivo() const { return altoObjetivo_; }   // window height the panel area asks for
    disposicion::Rect PosicionPanel(int i) const;

private:
    int32_t Valor32(Arreglo a, int i) const;
    Salida Validar(Arreglo a, int i);
    void Escribir32(Arreglo a, int i, int32_t v);
    void Marcar(Arreglo a, int i, bool distinto);

    std::array<std::array<Caja, 17>, 3> cajas_{};
    ClassRegistrosCPU previos_;
    std::string textoEntrada_;
    int edicionArreglo_ = -1, edicionIndice_ = -1;   // the box entered and not yet left
    std::array<std::array<bool, 32>, 4> casillas_{};
    int nivelPanel_ = 0;
    std::array<bool, 4> flotante_{};
    std::array<bool, 2> masInfoActivo_{true, false};
    int32_t altoObjetivo_ = disposicion::kAltoVentana;
};
