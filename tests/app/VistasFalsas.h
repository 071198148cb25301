// Recording stand-ins for the views and the common dialogs, for the main
// window's tests: every call a view gets is noted in gLlamadas.
#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Vistas.h"
#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "platform/qt/DialogosComunesQt.h"

inline namespace falsos {

inline std::vector<std::string> gLlamadas;  // "Registros.Refrescar", "DASM.Inicializar", ...
// The main window each stand-in saw as it was destroyed (nullptr: none any more).
inline std::vector<const frmMain*> gPrincipalAlDestruirse;

struct Grabadora {
    std::string nombre;
    ~Grabadora() { gPrincipalAlDestruirse.push_back(VentanaMain()); }
    void Anotar(const char* que) { gLlamadas.push_back(nombre + "." + que); }
};

class VistaFalsa : public QWidget, public IVista, protected Grabadora {
public:
    explicit VistaFalsa(std::string n) { nombre = std::move(n); }
    QWidget* Widget() override { return this; }
    void Refrescar() override { Anotar("Refrescar"); }
    void Inicializar() override { Anotar("Inicializar"); }
};

class DASMFalso : public QWidget, public IVistaDASM, protected Grabadora {
public:
    DASMFalso() { nombre = "DASM"; }
    QWidget* Widget() override { return this; }
    void Refrescar() override { Anotar("Refrescar"); }
    void Inicializar() override { Anotar("Inicializar"); }
    int32_t PosMemAct() override { return posMem; }
    int32_t CodInstr() override { return codigo; }
    void AlternarPuntoRupt() override { Anotar("AlternarPuntoRupt"); }
    void QuitarPuntosRupt() override { Anotar("QuitarPuntosRupt"); }
    void BuscarCelda(int32_t&) override { Anotar("BuscarCelda"); }
    void Cargar(QMdiSubWindow* marco) override { areaAlCargar = marco->mdiArea()->size(); }
    static inline QSize areaAlCargar;
    static inline int32_t posMem = -1;
    static inline int32_t codigo = 0;
};

class MemoriaFalsa : public QWidget, public IVistaMemoria, protected Grabadora {
public:
    MemoriaFalsa() { nombre = "Memoria"; }
    QWidget* Widget() override { return this; }
    void Refrescar() override { Anotar("RefrescarCuadro"); }
    void Inicializar() override { Anotar("Refrescar"); }
    void BuscarCelda(int32_t& d) override { Anotar(("BuscarCelda " + std::to_string(d)).c_str()); }
    void EditarCelda() override { Anotar("EditarCelda"); }
    void EstablecerIdentificador() override { Anotar("EstablecerIdentificador"); }
    void AlternarMarca() override { Anotar("AlternarMarca"); }
    void QuitarMarcas() override { Anotar("QuitarMarcas"); }
    void Copiar() override { Anotar("Copiar"); }
    void Cortar() override { Anotar("Cortar"); }
    void Pegar() override { Anotar("Pegar"); }
};

class AuxFalsa : public QWidget, public IVistaAuxDatos, protected Grabadora {
public:
    AuxFalsa() { nombre = "Aux"; }
    QWidget* Widget() override { return this; }
    void TipoDatos(int16_t t) override { Anotar(("TipoDatos " + std::to_string(t)).c_str()); }
    void Actualizar() override { Anotar("Actualizar"); }
    void Inicializar() override { Anotar("Inicializar"); }
};

class DialogosFalsos : public plataforma::qt::IDialogosComunes {
public:
    std::optional<std::string> Abrir(QWidget*, const plataforma::qt::DialogoAbrir& d) override {
        pedidos.push_back(d);
        if (respuestas.empty()) return std::nullopt;
        auto r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    void ConfigurarImpresora(QWidget*) override { ++impresora; }
    std::vector<plataforma::qt::DialogoAbrir> pedidos;
    std::deque<std::optional<std::string>> respuestas;
    int impresora = 0;
};

// Registered at run time, after any real view's own static registration.
inline void RegistrarVistasFalsas() {
    RegistrarVista(TipoVista::DASM, [] { return new DASMFalso; });
    RegistrarVista(TipoVista::Memoria, [] { return new MemoriaFalsa; });
    RegistrarVista(TipoVista::Registros, [] { return new VistaFalsa("Registros"); });
    RegistrarVista(TipoVista::PPL, [] { return new VistaFalsa("PPL"); });
    RegistrarAuxDatos([] { return new AuxFalsa; });
}

inline int Cuenta(const std::string& llamada) {
    return int(std::count(gLlamadas.begin(), gLlamadas.end(), llamada));
}

// A fresh program state and a main window created on it (with the settings
// the test has put in place).
inline std::unique_ptr<frmMain> VentanaNueva(DialogosFalsos& dialogos) {
    LeerOpciones();
    CrearObjetosPrograma();
    gLlamadas.clear();
    return std::make_unique<frmMain>(&dialogos);
}

}  // namespace falsos
