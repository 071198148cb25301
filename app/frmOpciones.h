// The options dialog, which is also the save-environment and print dialog
// (Comando 0, 1 and 3). What it binds and stores lives in app/LogicaOpciones;
// this window mirrors that state into its controls and back.
#pragma once

#include <QDialog>
#include <QFont>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "app/LogicaOpciones.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabBar;
class QTableWidget;
class QWidget;
class QPrinter;

// The common dialogs the options dialog opens (CMDOpciones); tests answer for
// the user through their own.
class IDialogosOpciones {
public:
    virtual ~IDialogosOpciones() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> Abrir(QWidget* padre, const std::string& titulo,
                                             const std::string& filtro) = 0;
    // Save dialog that asks before overwriting and offers Help at a context;
    // it starts in carpeta ("" the toolkit's choice).
    virtual std::optional<std::string> Guardar(QWidget* padre, const std::string& titulo,
                                               const std::string& filtro, int contextoAyuda,
                                               const std::string& carpeta) = 0;
    virtual void ConfigurarImpresora(QWidget* padre) = 0;
    // The chosen font; the initial one when the user cancels.
    virtual std::pair<std::string, float> Fuente(QWidget* padre, const std::string& nombre, float puntos) = 0;
};

// The toolkit's dialogs, on the program-wide printer.
class DialogosOpcionesQt : public IDialogosOpciones {
public:
    std::optional<std::string> Abrir(QWidget* padre, const std::string& titulo, const std::string& filtro) override;
    std::optional<std::string> Guardar(QWidget* padre, const std::string& titulo, const std::string& filtro,
                                       int contextoAyuda, const std::string& carpeta) override;
    void ConfigurarImpresora(QWidget* padre) override;
    // Opens the font dialog on the report's font as it prints.
    std::pair<std::string, float> Fuente(QWidget* padre, const std::string& nombre, float puntos) override;

protected:
    // The font dialog itself: the font chosen, the initial one when the user
    // accepts without a change, nothing when the user cancels.
    virtual std::optional<QFont> PedirFuente(QWidget* padre, const QFont& inicial);
};

// The dialogs the menu commands open the options dialog with (the toolkit's
// when none is set).
IDialogosOpciones& DialogosOpciones();
void EstablecerDialogosOpciones(IDialogosOpciones* dialogos);

// The page preview: draws what DibujarPagina computed, in twips of the panel.
class PanelPagina;

class frmOpciones : public QDialog {
    Q_OBJECT
public:
    // Builds and loads the dialog in the given mode.
    frmOpciones(QWidget* padre, int16_t comando, IDialogosOpciones* dialogos = nullptr);
    ~frmOpciones() override;

    int16_t Comando() const { return comando_; }
    bool CambiosReinicio() const { return logica_.CambiosReinicio; }
    int ContextoAyuda() const { return contextoAyuda_; }
    const opciones::LogicaOpciones& Logica() const { return logica_; }
    const opciones::DibujoPagina& Dibujo() const { return dibujo_; }

    QTabBar* tbsOptions() const { return tbsOptions_; }
    QWidget* picOptions(int i) const { return picOptions_[size_t(i)]; }
    // The key of the selected tab ("" none).
    std::string PestanaActual() const;
    QTableWidget* GridSecc() const { return gridSecc_; }
    QFrame* FrameLimit() const { return frameLimit_; }
    QSlider* SldLimit() const { return sldLimit_; }
    QMenu* mnuAddParamEdit() const { return mnuParam_[0]; }
    QMenu* mnuAddParamAsm() const { return mnuParam_[1]; }

    void SalvarDatos();
    void cmdOK_Click();
    void cmdApply_Click();
    void tbsOptions_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void CrearControles();
    QWidget* CrearProcesador();
    QWidget* CrearHerramientas();
    QWidget* CrearOpciones();
    QWidget* CrearEntorno();
    QWidget* CrearPagina();
    void Form_Load();
    void Mostrar();  // the logic's state into the controls
    void LlenarSecciones();
    void PonerMarca(int fila, bool seleccionada);
    void EditarSeccionImpresion(int fila, int columna);
    void AjustarLimiteSeccion(int posicion);
    void DibujarPagina();
    void CmdBuscarPath_Click(int indice);
    void CmdImpresora_Click(int indice);
    void SiguientePestana();

    int16_t comando_;
    IDialogosOpciones* dialogos_;
    opciones::LogicaOpciones logica_;
    opciones::EditorLimite limite_;
    opciones::DibujoPagina dibujo_{};
    int contextoAyuda_ = 0;
    int calidadImpresora_ = 0;  // the printer's quality code when last read
    bool mostrando_ = false;

    QTabBar* tbsOptions_ = nullptr;
    std::array<QWidget*, 5> picOptions_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdApply_ = nullptr;
    std::array<QLabel*, 3> imgEntorno_{};

    // Processor and options tabs
    std::array<QRadioButton*, 2> optModelo_{};
    std::array<QRadioButton*, 2> optModo_{};
    std::array<QRadioButton*, 2> optModoPPL_{};
    std::array<QRadioButton*, 4> optFrecuencia_{};
    std::array<QRadioButton*, 5> optLocalRuptura_{};
    std::array<QRadioButton*, 2> optTipoReset_{};
    std::array<QCheckBox*, 5> chkMem_{};
    QCheckBox* chkInfoMR_ = nullptr;
    QCheckBox* chkInfoPR_ = nullptr;
    QCheckBox* chkMarcasPaP_ = nullptr;
    QCheckBox* chkResetDSK_ = nullptr;
    QSlider* sldExeTemp_ = nullptr;
    QLabel* lblExeTemp_ = nullptr;
    QComboBox* cmbMRU_ = nullptr;

    // Tools tab
    std::array<QLineEdit*, 6> txtHerramienta_{};
    std::array<QPushButton*, 6> cmdBuscarPath_{};
    std::array<QMenu*, 2> mnuParam_{};

    // Environment tab
    std::array<QCheckBox*, 8> chkEntorno_{};
    QComboBox* cmbMemTipoDatos_ = nullptr;
    QTableWidget* gridSecc_ = nullptr;
    QFrame* frameLimit_ = nullptr;
    QSlider* sldLimit_ = nullptr;

    // Page tab
    PanelPagina* panelPagina_ = nullptr;
    std::array<QLineEdit*, 6> txtMargen_{};
    QLineEdit* txtCopias_ = nullptr;
    QSlider* sldCalidad_ = nullptr;
    std::array<QLabel*, 4> lblPaper_{};
};
