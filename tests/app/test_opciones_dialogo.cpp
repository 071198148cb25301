// The options dialog as a user drives it: its three modes, the tabs and
// Ctrl+Tab, clicking options and boxes, typing into the boxes, the section
// grid's limit editor, the page preview and printer buttons, saving and
// printing, and the menu commands that open it from the main window.
#include <QtTest>
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "VistasFalsas.h"
#include "app/frmMain.h"
#include "app/frmOpciones.h"
#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "fakes/ImpresoraFalsa.h"
#include "platform/qt/ImpresoraQt.h"

namespace {

class DialogosDePrueba : public IDialogosOpciones {
public:
    std::optional<std::string> Abrir(QWidget*, const std::string& titulo, const std::string& filtro) override {
        titulos.push_back(titulo);
        filtros.push_back(filtro);
        return Siguiente();
    }
    std::optional<std::string> Guardar(QWidget*, const std::string& titulo, const std::string& filtro,
                                       int contexto, const std::string&) override {
        titulos.push_back(titulo);
        filtros.push_back(filtro);
        contextoGuardar = contexto;
        return Siguiente();
    }
    void ConfigurarImpresora(QWidget*) override {
        ++configuraciones;
        if (alConfigurar) alConfigurar();
    }
    std::pair<std::string, float> Fuente(QWidget*, const std::string& nombre, float puntos) override {
        fuenteInicial = {nombre, puntos};
        return fuente ? *fuente : fuenteInicial;
    }
    std::optional<std::string> Siguiente() {
        if (rutas.empty()) return std::nullopt;
        auto r = rutas.front();
        rutas.pop_front();
        return r;
    }
    std::deque<std::optional<std::string>> rutas;
    std::vector<std::string> titulos, filtros;
    int contextoGuardar = 0;
    int configuraciones = 0;
    std::function<void()> alConfigurar;
    std::optional<std::pair<std::string, float>> fuente;
    std::pair<std::string, float> fuenteInicial;
};

template <typename T>
T* Hijo(QObject* padre, const char* nombre) {
    T* h = padre->findChild<T*>(nombre);
    if (!h) qFatal("no existe %s", nombre);
    return h;
}

QStringList Pestanas(const frmOpciones& d) {
    QStringList l;
    for (int i = 0; i < d.tbsOptions()->count(); ++i) l << d.tbsOptions()->tabText(i);
    return l;
}

// Near the left edge: a check box or option button takes clicks on its mark
// and caption only.
void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(8, w->width() / 2), w->height() / 2)); }

void CtrlTab(QWidget* w) { QTest::keyClick(w, Qt::Key_Tab, Qt::ControlModifier); }

}  // namespace

class TestDialogoOpciones : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::AjustesMemoria> ajustes;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros;
    DialogosDePrueba dialogos;

    std::unique_ptr<frmOpciones> Abrir(int16_t comando) {
        auto d = std::make_unique<frmOpciones>(nullptr, comando, &dialogos);
        d->show();
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d.get())) qWarning("la ventana no se activa");
        return d;
    }
    void Pestana(frmOpciones& d, const char* clave) {
        for (int i = 0; i < d.tbsOptions()->count(); ++i)
            if (d.tbsOptions()->tabData(i).toString() == clave)
                QTest::mouseClick(d.tbsOptions(), Qt::LeftButton, {}, d.tbsOptions()->tabRect(i).center());
        QCOMPARE(d.PestanaActual(), std::string(clave));
    }

private slots:
    void init() {
        ajustes = std::make_unique<prueba::AjustesMemoria>();
        cuadros = std::make_unique<prueba::CuadrosFalsos>();
        dialogos = DialogosDePrueba();
        LeerOpciones();
        CrearObjetosPrograma();
        gHayImpresora = false;
    }
    void cleanup() {
        cuadros.reset();
        ajustes.reset();
    }

    void opcionesSinImpresora() {
        auto d = Abrir(0);
        QCOMPARE(d->windowTitle(), QString("Opciones"));
        QCOMPARE(Pestanas(*d), (QStringList{"Procesador DSP", "Herramientas", "Opciones", "Entorno/Impresión"}));
        QCOMPARE(d->PestanaActual(), std::string("ProcesadorDSP"));
        QVERIFY(d->picOptions(0)->isVisible());
        QCOMPARE(d->ContextoAyuda(), 9100);
        std::vector<std::pair<std::string, int>> recorrido;
        for (int i = 0; i < 4; ++i) {
            CtrlTab(QApplication::focusWidget() ? QApplication::focusWidget() : d.get());
            recorrido.push_back({d->PestanaActual(), d->ContextoAyuda()});
        }
        QCOMPARE(recorrido, (std::vector<std::pair<std::string, int>>{
                                {"Herramientas", 9200}, {"Opciones", 9500}, {"Entorno", 9300}, {"ProcesadorDSP", 9100}}));
        QVERIFY(d->picOptions(0)->isVisible() && !d->picOptions(2)->isVisible() && !d->picOptions(4)->isVisible());
        QTest::keyClick(d.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d->PestanaActual(), std::string("ProcesadorDSP"));
        QVERIFY(Hijo<QCheckBox>(d.get(), "ChkResetENT")->isVisibleTo(d->picOptions(2)));
        QVERIFY(Hijo<QComboBox>(d.get(), "CmbMemTipoDatos")->isEnabledTo(d->picOptions(2)));
        QVERIFY(!d->CambiosReinicio());  // loading set it and then cleared it
    }

    void salvarEntornoTieneUnaPestana() {
        auto d = Abrir(1);
        QCOMPARE(d->windowTitle(), QString("Salvar Entorno"));
        QCOMPARE(Pestanas(*d), QStringList{"Entorno"});
        CtrlTab(d.get());
        QCOMPARE(d->PestanaActual(), std::string("Entorno"));
        QCOMPARE(d->ContextoAyuda(), 9300);
        QVERIFY(d->picOptions(2)->isVisible());
        QVERIFY(Hijo<QCheckBox>(d.get(), "ChkResetENT")->isVisible());
        QVERIFY(!Hijo<QComboBox>(d.get(), "CmbMemTipoDatos")->isEnabled());
        QVERIFY(Hijo<QLabel>(d.get(), "ImgEntorno0")->isVisible());
        QVERIFY(!Hijo<QLabel>(d.get(), "ImgEntorno1")->isVisible());
    }

    void imprimirConSuPagina() {
        prueba::ImpresoraFalsa impresora;
        NumCopias = 2;  // the stored count, which loading gives the printer
        auto d = Abrir(3);
        QCOMPARE(d->windowTitle(), QString("Imprimir ..."));
        QCOMPARE(Pestanas(*d), (QStringList{"Impresión", "Página"}));
        QVERIFY(!Hijo<QCheckBox>(d.get(), "ChkResetENT")->isVisible());
        QVERIFY(Hijo<QComboBox>(d.get(), "CmbMemTipoDatos")->isEnabled());
        QCOMPARE(d->ContextoAyuda(), 9600);
        CtrlTab(d.get());
        QCOMPARE(d->PestanaActual(), std::string("Pagina"));
        QCOMPARE(d->ContextoAyuda(), 9600);
        QCOMPARE(Hijo<QLabel>(d.get(), "LblPaper2")->text(), QString("Impresora de prueba (LPT1:)"));
        QCOMPARE(Hijo<QLabel>(d.get(), "LblPaper3")->text(), QString("Courier New (10 pt)"));
        QCOMPARE(Hijo<QLabel>(d.get(), "LblPaper0")->text(), QString(" 207 mm"));  // 11720 twips
        QCOMPARE(Hijo<QLineEdit>(d.get(), "TxtCopias")->text(), QString("2"));
        QCOMPARE(Hijo<QSlider>(d.get(), "SldCalidad")->value(), 2);
        QCOMPARE(d->Dibujo().lineas.size(), size_t(6));
    }

    void modeloYMapaDeMemoria() {
        auto d = Abrir(0);
        auto* rom = Hijo<QCheckBox>(d.get(), "ChkMemROM");
        QVERIFY(!rom->isEnabled());  // C31 by default
        Clic(Hijo<QRadioButton>(d.get(), "OptModelo0"));
        QVERIFY(rom->isEnabled() && !rom->isChecked());
        Clic(rom);
        QVERIFY(rom->isChecked());
        Clic(Hijo<QRadioButton>(d.get(), "OptModelo1"));
        QVERIFY(!rom->isEnabled() && !rom->isChecked());
        QVERIFY(d->CambiosReinicio());
        // RAM block 0 cannot be unticked.
        auto* ram0 = Hijo<QCheckBox>(d.get(), "ChkMemRAM0");
        Clic(ram0);
        QVERIFY(ram0->isChecked());
        QCOMPARE(cuadros->mostrados.size(), size_t(1));
        QCOMPARE(cuadros->mostrados[0].texto, std::string(opciones::kTextoRAM0));
        Clic(Hijo<QCheckBox>(d.get(), "ChkMemPeri"));
        Clic(Hijo<QPushButton>(d.get(), "cmdApply"));
        QCOMPARE(cuadros->mostrados.size(), size_t(2));
        QCOMPARE(cuadros->mostrados[1].texto, std::string(opciones::kTextoReinicio));
        QCOMPARE(ConfigMem, 7 + 16);
        QVERIFY(d->isVisible());  // Apply leaves it open
    }

    void aplicarYCancelar() {
        auto d = Abrir(0);
        Clic(Hijo<QRadioButton>(d.get(), "OptFrecuencia1"));
        Clic(Hijo<QPushButton>(d.get(), "cmdApply"));
        QCOMPARE(Frecuencia_Reloj, 27);
        QVERIFY(cuadros->mostrados.empty());  // nothing that needs a restart
        Clic(Hijo<QRadioButton>(d.get(), "OptFrecuencia2"));
        Pestana(*d, "Opciones");
        Clic(Hijo<QRadioButton>(d.get(), "OptLocalRuptura3"));
        Clic(Hijo<QPushButton>(d.get(), "cmdCancel"));
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(Frecuencia_Reloj, 27);
        QCOMPARE(LocalRuptura, int16_t(0));
    }

    // Aceptar and Aplicar save the options at once, in the one write of the
    // store that the exit makes, and a failed save gets the exit's box;
    // Cancelar saves nothing.
    void botonesGuardanLasOpciones_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<bool>("falla");
        QTest::newRow("Aceptar") << "cmdOK" << false;
        QTest::newRow("Aplicar") << "cmdApply" << false;
        QTest::newRow("Aceptar sin guardar") << "cmdOK" << true;
        QTest::newRow("Cancelar") << "cmdCancel" << false;
    }
    void botonesGuardanLasOpciones() {
        QFETCH(QString, boton);
        QFETCH(bool, falla);
        ajustes->fallaGuardar = falla;
        auto d = Abrir(0);
        Clic(Hijo<QRadioButton>(d.get(), "OptFrecuencia1"));
        Clic(Hijo<QPushButton>(d.get(), boton.toLatin1().constData()));
        const bool guarda = boton != "cmdCancel";
        QCOMPARE(ajustes->guardados, guarda ? 1 : 0);
        const std::string* frecuencia = ajustes->Valor("Opciones\\Entorno", "Frecuencia_Reloj");
        QCOMPARE(frecuencia ? *frecuencia : std::string(), std::string(guarda ? "27" : ""));
        QCOMPARE(cuadros->mostrados.size(), std::size_t{falla ? 1u : 0u});
        if (!falla) return;
        QCOMPARE(cuadros->mostrados[0].titulo, std::string("Guardar Opciones"));
        QCOMPARE(cuadros->mostrados[0].texto, "No se han podido guardar las opciones en el fichero </memoria/Tarvix.ini>. "
                                              "Los cambios de esta sesión no se han guardado.");
    }

    void teclasDelDialogo() {
        Calculadora = "/o/calc";
        auto d = Abrir(0);
        Pestana(*d, "Herramientas");
        auto* calc = Hijo<QLineEdit>(d.get(), "TxtCalculadora");
        calc->setFocus();
        calc->selectAll();
        QTest::keyClicks(calc, "/usr/bin/bc");
        QTest::keyClick(calc, Qt::Key_Escape);  // Cancelar
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(Calculadora, std::string("/o/calc"));
        auto otro = Abrir(0);
        Pestana(*otro, "Herramientas");
        calc = Hijo<QLineEdit>(otro.get(), "TxtCalculadora");
        calc->setFocus();
        calc->selectAll();
        QTest::keyClicks(calc, "/usr/bin/bc");
        QTest::keyClick(calc, Qt::Key_Return);  // Aceptar
        QCOMPARE(otro->result(), int(QDialog::Accepted));
        QCOMPARE(Calculadora, std::string("/usr/bin/bc"));
        QVERIFY(dialogos.titulos.empty());  // options mode neither saves nor prints
    }

    void retardoYRecientes() {
        for (int i = 1; i <= 10; ++i) MRU[size_t(i)] = "f" + std::to_string(i);
        NumMRUFiles = 10;
        auto d = Abrir(0);
        Pestana(*d, "Opciones");
        auto* sld = Hijo<QSlider>(d.get(), "SldExeTemp");
        auto* lbl = Hijo<QLabel>(d.get(), "LblExeTemp1");
        QCOMPARE(lbl->text(), QString(" 1.00"));
        sld->setFocus();
        QTest::keyClick(sld, Qt::Key_End);
        QCOMPARE(lbl->text(), QString(" 5.00"));
        QTest::keyClick(sld, Qt::Key_Home);
        QTest::keyClick(sld, Qt::Key_Right);
        QTest::keyClick(sld, Qt::Key_Right);
        QCOMPARE(lbl->text(), QString(" 0.02"));
        auto* mru = Hijo<QComboBox>(d.get(), "CmbMRU");
        QCOMPARE(mru->currentText(), QString("10"));
        mru->setFocus();
        for (int i = 0; i < 6; ++i) QTest::keyClick(mru, Qt::Key_Up);  // "10" to "4"
        QCOMPARE(mru->currentText(), QString("4"));
        QCOMPARE(MRU[4], std::string("f4"));
        QVERIFY(MRU[5].empty());
        Clic(Hijo<QPushButton>(d.get(), "cmdOK"));
        QCOMPARE(TiempoExeTemp, 100);
        QCOMPARE(NumMRUFiles, int16_t(4));
        QVERIFY(cuadros->mostrados.empty());
    }

    void herramientas() {
        Calculadora = "/o/calc";
        Ensamblador = "/o/dsk3a";
        auto d = Abrir(0);
        Pestana(*d, "Herramientas");
        auto* editor = Hijo<QLineEdit>(d.get(), "TxtEditor");
        auto* paramEditor = Hijo<QLineEdit>(d.get(), "TxtParamEditor");
        dialogos.rutas = {std::string("/usr/bin/vi"), std::nullopt};
        Clic(Hijo<QPushButton>(d.get(), "CmdBuscarPath1"));
        QCOMPARE(editor->text(), QString("/usr/bin/vi"));
        QCOMPARE(paramEditor->text(), QString());
        Clic(Hijo<QPushButton>(d.get(), "CmdBuscarPath0"));  // cancelled
        QCOMPARE(Hijo<QLineEdit>(d.get(), "TxtCalculadora")->text(), QString("/o/calc"));
        QCOMPARE(dialogos.titulos, (std::vector<std::string>{"Editor", "Calculadora"}));
        QCOMPARE(dialogos.filtros[0], std::string("Programas (*.exe)|*.exe|Todos los archivos (*.*)|*.*"));

        // Typing a path by hand keeps the template; the menu appends tokens.
        auto* asm_ = Hijo<QLineEdit>(d.get(), "TxtEnsamblador");
        QTest::keyClicks(asm_, "2");
        QCOMPARE(Hijo<QLineEdit>(d.get(), "TxtParamEnsamblador")->text(), QString("<FILEASM>"));
        for (int vez = 0; vez < 2; ++vez) {
            Clic(Hijo<QPushButton>(d.get(), "CmdBuscarPath4"));
            QMenu* menu = d->mnuAddParamAsm();
            QTRY_VERIFY(menu->isVisible());
            QAction* quiet = menu->actions().at(2);
            QCOMPARE(quiet->text(), QString("Quiet Update"));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(quiet).center());
            QTRY_VERIFY(!menu->isVisible());
        }
        QCOMPARE(Hijo<QLineEdit>(d.get(), "TxtParamEnsamblador")->text(), QString("<FILEASM> Q Q"));
        Clic(Hijo<QPushButton>(d.get(), "CmdBuscarPath3"));
        QTRY_VERIFY(d->mnuAddParamEdit()->isVisible());
        d->mnuAddParamEdit()->actions().at(1)->trigger();
        d->mnuAddParamEdit()->close();
        QCOMPARE(paramEditor->text(), QString(" <FILEDSK>"));
        Clic(Hijo<QPushButton>(d.get(), "cmdApply"));
        QCOMPARE(Editor, std::string("/usr/bin/vi"));
        QCOMPARE(ParamEditor, std::string(" <FILEDSK>"));
        QCOMPARE(Ensamblador, std::string("/o/dsk3a2"));
        QCOMPARE(ParamEnsamblador, std::string("<FILEASM> Q Q"));
    }

    void gridDeSecciones() {
        auto d = Abrir(3);
        QTableWidget* grid = d->GridSecc();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Seccion de Memorial"));
        QCOMPARE(grid->item(1, 0)->text(), QString("RAM Bloque 0"));
        QCOMPARE(grid->item(1, 3)->text(), QString("00809BFF"));
        auto dobleClic = [&](int fila, int columna) {
            const QPoint p = grid->visualRect(grid->model()->index(fila, columna)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, p);
        };
        const qint64 ok = Hijo<QPushButton>(d.get(), "cmdOK")->icon().cacheKey();
        const qint64 cancel = Hijo<QPushButton>(d.get(), "cmdCancel")->icon().cacheKey();
        QCOMPARE(grid->item(1, 1)->icon().cacheKey(), ok);
        dobleClic(1, 1);
        QVERIFY(!gMemoria->TablaAsig(2).PrnOK());
        QCOMPARE(grid->item(1, 1)->icon().cacheKey(), cancel);
        dobleClic(1, 0);  // the name column does nothing
        QVERIFY(!d->FrameLimit()->isVisible());

        dobleClic(1, 2);
        QVERIFY(d->FrameLimit()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->SldLimit()));
        const QRect celda = grid->visualRect(grid->model()->index(1, 2));
        QCOMPARE(d->FrameLimit()->mapToGlobal(QPoint(0, 0)),
                 grid->viewport()->mapToGlobal(QPoint(celda.left(), celda.top() + grid->rowHeight(1))));
        QTest::keyClick(d->SldLimit(), Qt::Key_End);
        QCOMPARE(grid->item(1, 2)->text(), QString("00809BFF"));
        QTest::keyClick(d->SldLimit(), Qt::Key_Home);
        QTest::keyClick(d->SldLimit(), Qt::Key_PageUp);  // 50 of 1000: 51 words on
        QCOMPARE(grid->item(1, 2)->text(), QString("00809833"));
        // Leaving the slider closes the editor; Cancel keeps the range.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
        QTRY_VERIFY(!d->FrameLimit()->isVisible());
        Clic(Hijo<QPushButton>(d.get(), "cmdCancel"));
        QCOMPARE(gMemoria->TablaAsig(2).PrnINI(), 0x809833);
        QVERIFY(!gMemoria->TablaAsig(2).PrnOK());
    }

    // Applying a negative margin or no copies stores what a restart reads
    // back, and a number past what 16 bits hold the largest value; the boxes
    // show what was stored while the dialog stays open.
    void aplicarCorrigeMargenYCopias() {
        prueba::ImpresoraFalsa impresora;
        gHayImpresora = true;
        auto d = Abrir(0);
        Pestana(*d, "Pagina");
        auto* izq = Hijo<QLineEdit>(d.get(), "TxtMgIzq");
        auto* copias = Hijo<QLineEdit>(d.get(), "TxtCopias");
        struct Ronda {
            const char *margen, *copias;
            int16_t mm, numCopias;
        };
        for (const Ronda& r : {Ronda{"-5", "0", 0, 1}, Ronda{"99999", "99999", 32767, 32767}}) {
            for (auto [caja, texto] : {std::pair{izq, r.margen}, std::pair{copias, r.copias}}) {
                caja->setFocus();
                caja->selectAll();
                QTest::keyClicks(caja, texto);
            }
            Clic(Hijo<QPushButton>(d.get(), "cmdApply"));
            QCOMPARE(MgIzq, r.mm);
            QCOMPARE(NumCopias, r.numCopias);
            QCOMPARE(izq->text(), QString::number(r.mm));
            QCOMPARE(copias->text(), QString::number(r.numCopias));
            QVERIFY(d->isVisible());
        }
    }

    void margenesYCopias() {
        prueba::ImpresoraFalsa impresora;  // page 11720 x 15720 twips, portrait
        gHayImpresora = true;
        auto d = Abrir(3);
        Pestana(*d, "Pagina");
        auto* sup = Hijo<QLineEdit>(d.get(), "TxtMgSup");
        QCOMPARE(d->Dibujo().lineas[0].y1, 500 + 90);  // 567 / 15720 x 2500 = 90.17
        QTest::mouseClick(sup, Qt::LeftButton, {}, QPoint(3, sup->height() / 2));
        QTRY_COMPARE(sup->selectedText(), QString("10"));
        QTest::keyClicks(sup, "15");
        QCOMPARE(sup->text(), QString("15"));
        QCOMPARE(d->Dibujo().lineas[0].y1, 590);  // only leaving the box redraws
        QTest::keyClick(sup, Qt::Key_Tab);
        QTRY_COMPARE(d->Dibujo().lineas[0].y1, 500 + 135);  // 850 / 15720 x 2500 = 135.2
        auto* copias = Hijo<QLineEdit>(d.get(), "TxtCopias");
        copias->setFocus();
        copias->selectAll();
        QTest::keyClicks(copias, "3");
        QTest::keyClick(copias, Qt::Key_Return);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(MgSup, int16_t(15));
        QCOMPARE(NumCopias, int16_t(3));
        QCOMPARE(impresora.documentos, 1);  // the report was printed
        QCOMPARE(impresora.copias, 3);
    }

    // A size the font dialog allows but the report's setting cannot hold is
    // brought into the setting's range where it is chosen, and shown so.
    void fuenteFueraDeRangoSeAjusta() {
        prueba::ImpresoraFalsa impresora;
        gHayImpresora = true;
        auto d = Abrir(0);
        Pestana(*d, "Pagina");
        const std::pair<float, QString> casos[] = {{300.0f, "Arial (144 pt)"}, {2.0f, "Arial (4 pt)"},
                                                   {144.0f, "Arial (144 pt)"}};
        for (const auto& [puntos, texto] : casos) {
            dialogos.fuente = std::pair<std::string, float>("Arial", puntos);
            Clic(Hijo<QPushButton>(d.get(), "CmdImpresora1"));
            QCOMPARE(Hijo<QLabel>(d.get(), "LblPaper3")->text(), texto);
        }
        dialogos.fuente = std::pair<std::string, float>("Arial", 300.0f);
        Clic(Hijo<QPushButton>(d.get(), "CmdImpresora1"));
        Clic(Hijo<QPushButton>(d.get(), "cmdOK"));
        QCOMPARE(FontSize, 144.0f);
        dialogos.fuente.reset();
    }

    // The stored copies and quality show on the page tab and go back on
    // Aceptar; what the user types or moves survives the redraws; only a
    // change made in the printer set-up replaces them.
    void copiasYCalidadGuardadas_data() {
        QTest::addColumn<QString>("copiasGuardadas");
        QTest::addColumn<QString>("calidadGuardada");
        QTest::addColumn<QString>("escritas");    // typed into TxtCopias ("" nothing)
        QTest::addColumn<int>("movida");          // slider position set by the user (0 none)
        QTest::addColumn<int>("copiasConfig");    // copies chosen in the printer set-up (0 none)
        QTest::addColumn<int>("calidadConfig");   // quality code chosen there (0 none)
        QTest::addColumn<QString>("caja");
        QTest::addColumn<int>("posicion");
        QTest::addColumn<int>("numCopias");
        QTest::addColumn<int>("printQuality");
        QTest::newRow("guardadas") << "4" << "4" << "" << 0 << 0 << 0 << "4" << 4 << 4 << 4;
        QTest::newRow("por defecto") << "1" << "-2" << "" << 0 << 0 << 0 << "1" << 2 << 1 << 2;
        QTest::newRow("escritas y movida") << "4" << "4" << "7" << 1 << 0 << 0 << "7" << 1 << 7 << 1;
        QTest::newRow("cero escritas") << "4" << "4" << "0" << 0 << 0 << 0 << "1" << 4 << 1 << 4;
        QTest::newRow("configuradas") << "4" << "4" << "7" << 1 << 2 << -3 << "2" << 3 << 2 << 3;
    }
    void copiasYCalidadGuardadas() {
        QFETCH(QString, copiasGuardadas);
        QFETCH(QString, calidadGuardada);
        QFETCH(QString, escritas);
        QFETCH(int, movida);
        QFETCH(int, copiasConfig);
        QFETCH(int, calidadConfig);
        QFETCH(QString, caja);
        QFETCH(int, posicion);
        QFETCH(int, numCopias);
        QFETCH(int, printQuality);
        ajustes->Poner("Opciones\\Resumen\\Impresion", "NumCopias", copiasGuardadas.toStdString());
        ajustes->Poner("Opciones\\Resumen\\Impresion", "PrintQuality", calidadGuardada.toStdString());
        LeerOpciones();  // as the program starts
        prueba::ImpresoraFalsa impresora;  // one copy, low quality
        gHayImpresora = true;
        auto d = Abrir(0);
        Pestana(*d, "Pagina");
        auto* copias = Hijo<QLineEdit>(d.get(), "TxtCopias");
        auto* calidad = Hijo<QSlider>(d.get(), "SldCalidad");
        if (!escritas.isEmpty()) {
            copias->setFocus();
            copias->selectAll();
            QTest::keyClicks(copias, escritas);
        }
        if (movida) calidad->setValue(movida);
        // Leaving a margin box redraws the preview, and so does the printer set-up.
        auto* sup = Hijo<QLineEdit>(d.get(), "TxtMgSup");
        sup->setFocus();
        QTest::keyClick(sup, Qt::Key_Tab);
        dialogos.alConfigurar = [&] {
            if (copiasConfig) impresora.copias = copiasConfig;
            if (calidadConfig) impresora.calidad = calidadConfig;
        };
        Clic(Hijo<QPushButton>(d.get(), "CmdImpresora0"));
        QCOMPARE(copias->text(), caja);
        QCOMPARE(calidad->value(), posicion);
        Clic(Hijo<QPushButton>(d.get(), "cmdOK"));
        QCOMPARE(NumCopias, int16_t(numCopias));
        QCOMPARE(PrintQuality, int16_t(printQuality));
    }

    void botonesDeImpresora() {
        prueba::ImpresoraFalsa impresora;
        gHayImpresora = true;
        auto d = Abrir(0);
        Pestana(*d, "Pagina");
        dialogos.fuente = std::pair<std::string, float>("Arial", 11.5f);
        Clic(Hijo<QPushButton>(d.get(), "CmdImpresora1"));
        QCOMPARE(dialogos.fuenteInicial, (std::pair<std::string, float>("Courier New", 10)));
        QCOMPARE(impresora.fuente, std::string("Arial"));
        QCOMPARE(Hijo<QLabel>(d.get(), "LblPaper3")->text(), QString("Arial (12 pt)"));
        dialogos.alConfigurar = [&] { impresora.copias = 4; };
        Clic(Hijo<QPushButton>(d.get(), "CmdImpresora0"));
        QCOMPARE(dialogos.configuraciones, 1);
        QCOMPARE(Hijo<QLineEdit>(d.get(), "TxtCopias")->text(), QString("4"));
        // The printer's choices stay after Cancel, the settings do not change.
        Clic(Hijo<QPushButton>(d.get(), "cmdCancel"));
        QCOMPARE(impresora.fuente, std::string("Arial"));
        QCOMPARE(FontName, std::string("Courier New"));
        auto otra = Abrir(0);
        Clic(Hijo<QPushButton>(otra.get(), "cmdOK"));
        QCOMPARE(FontName, std::string("Courier New"));  // loading gave the printer the settings' font
    }

    // The font dialog opens on the report's font as it prints, so that
    // Aceptar without a change keeps it, also where its family is missing.
    void dialogoDeFuenteConLaFuenteDelInforme() {
        QFont mostrada;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            mostrada = d->currentFont();
            d->accept();
        });
        const auto elegida = DialogosOpcionesQt().Fuente(nullptr, "Courier New", 12);
        QCOMPARE(elegida, (std::pair<std::string, float>("Courier New", 12)));
        // The face shown is the one the report prints in, whatever fonts are installed.
        QCOMPARE(QFontInfo(mostrada).family(), QFontInfo(plataforma::FuenteInforme("Courier New", 12)).family());
        QCOMPARE(mostrada.pointSizeF(), 12.0);
        QVERIFY(!mostrada.bold() && !mostrada.italic());

        // What the dialog is handed is the font the printer prints in.
        struct Interceptados : DialogosOpcionesQt {
            std::optional<QFont> PedirFuente(QWidget*, const QFont& inicial) override {
                entregada = inicial;
                return respuesta ? respuesta : inicial;
            }
            QFont entregada;
            std::optional<QFont> respuesta;
        } dialogos;
        plataforma::ImpresoraQt imp(plataforma::ImpresoraQt::Destino::Pdf);
        imp.FontName("Courier New");
        imp.FontSize(12);
        QCOMPARE(dialogos.Fuente(nullptr, imp.FontName(), imp.FontSize()), elegida);
        const QFont& f = dialogos.entregada;
        const QFont& impresa = imp.Fuente();
        QCOMPARE(f.family(), QString("Courier New"));
        QCOMPARE(std::tuple(f.family(), f.pointSizeF(), f.bold(), f.italic(), f.styleHint(), f.fixedPitch()),
                 std::tuple(impresa.family(), impresa.pointSizeF(), impresa.bold(), impresa.italic(),
                            impresa.styleHint(), impresa.fixedPitch()));
        QCOMPARE(f.styleHint(), QFont::Monospace);
        QVERIFY(f.fixedPitch());
        // A font the user picks comes back; a cancelled dialog keeps the font.
        dialogos.respuesta = QFont("DejaVu Sans", 9);
        QCOMPARE(dialogos.Fuente(nullptr, "Courier New", 12), (std::pair<std::string, float>("DejaVu Sans", 9)));
        dialogos.respuesta = std::nullopt;
    }

    void salvarElEntorno() {
        QTemporaryDir dir;
        const std::string ruta = dir.filePath("e.ent").toStdString();
        dialogos.rutas = {ruta};
        auto d = Abrir(1);
        Clic(Hijo<QCheckBox>(d.get(), "ChkTablaSect"));
        Clic(Hijo<QPushButton>(d.get(), "cmdOK"));
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(TablaSect);
        QCOMPARE(dialogos.titulos, std::vector<std::string>{"Especifica archivo para salvar el Entorno"});
        QCOMPARE(dialogos.filtros[0], std::string("Ficheros de entorno (*.ent)|*.ent|Todos los archivos (*.*)|*.*"));
        QCOMPARE(dialogos.contextoGuardar, 100);
        QFile f(QString::fromStdString(ruta));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readLine().trimmed().toStdString(), CabeceraEntorno());

        // A cancelled file choice writes nothing and closes the dialog: the
        // folder holds what it held, the file written before unchanged.
        f.close();
        const auto contenido = [&] {
            QStringList c;
            for (const QFileInfo& i : QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                                      QDir::Hidden | QDir::System)) {
                QFile e(i.filePath());
                c << i.fileName() + ":" + (e.open(QIODevice::ReadOnly) ? QString::fromUtf8(e.readAll().toHex()) : "");
            }
            return c;
        };
        const QStringList antes = contenido();
        QCOMPARE(antes.size(), 1);  // e.ent
        auto d2 = Abrir(1);
        Clic(Hijo<QCheckBox>(d2.get(), "ChkRegistros"));
        Clic(Hijo<QPushButton>(d2.get(), "cmdOK"));
        QCOMPARE(d2->result(), int(QDialog::Accepted));
        QVERIFY(!Registros);
        QCOMPARE(contenido(), antes);
    }

    // The main window's commands open the dialog modally in each mode.
    void comandosDelMenu() {
        RegistrarVistasFalsas();
        DialogosFalsos comunes;
        prueba::ImpresoraFalsa impresora;  // printing is on only with a printer
        auto v = VentanaNueva(comunes);
        EstablecerDialogosOpciones(&dialogos);
        for (const char* item : {"mnuToolsOpciones", "mnuFileSalvEnt", "mnuFilePrint"}) QVERIFY2(v->Accion(item)->isEnabled(), item);
        struct Caso {
            const char* comando;
            int16_t modo;
            QString titulo;
            std::string estado;
        };
        const Caso casos[] = {
            {"mnuToolsOpciones", 0, "Opciones", "Dialogo de Opciones de Configuracion"},
            {"mnuFileSalvEnt", 1, "Salvar Entorno", "Dialogo de establecimiento de opciones para salvar el entorno"},
            {"mnuFilePrint", 3, "Imprimir ...", "Dialogo de Impresion"},
        };
        for (const Caso& c : casos) {
            bool visto = false;
            gLlamadas.clear();
            QTimer::singleShot(0, this, [&] {
                auto* d = qobject_cast<frmOpciones*>(QApplication::activeModalWidget());
                QVERIFY(d);
                visto = true;
                QCOMPARE(d->Comando(), c.modo);
                QCOMPARE(d->windowTitle(), c.titulo);
                QCOMPARE(v->InfoBar(), c.estado);
                QVERIFY(!QApplication::overrideCursor());  // back to the default once loaded
                // F1 asks for help here, not in the main window behind.
                QVERIFY(QTest::qWaitForWindowActive(d));
                const size_t antes = cuadros->mostrados.size();
                QTest::keyClick(d, Qt::Key_F1);
                QCOMPARE(cuadros->mostrados.size(), antes + 1);
                Clic(Hijo<QPushButton>(d, "cmdApply"));
                d->reject();
            });
            v->EjecutarComando(c.comando);
            QVERIFY2(visto, c.comando);
            QCOMPARE(Cuenta("DASM.Inicializar"), 1);  // applying re-initialised the main window
        }
        EstablecerDialogosOpciones(nullptr);
    }

    // After the options the tool items follow their paths.
    void herramientasSinRuta() {
        RegistrarVistasFalsas();
        const auto antes = ComandosRegistrados();
        const auto previo = [&](const char* n) { return antes.count(n) ? antes.at(n) : ManejadorComando(); };
        RegistrarComando("mnuToolsCalc", [](frmMain&) {});
        RegistrarComando("mnuToolsComp", [](frmMain&) {});
        DialogosFalsos comunes;
        ajustes->Poner("Opciones\\Config", "Calculadora", "/o/calc");
        ajustes->Poner("Opciones\\Config", "Ensamblador", "/o/dsk3a");
        auto v = VentanaNueva(comunes);
        QVERIFY(v->Accion("mnuToolsCalc")->isEnabled());
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<frmOpciones*>(QApplication::activeModalWidget());
            QVERIFY(d);
            Pestana(*d, "Herramientas");
            auto* calc = Hijo<QLineEdit>(d, "TxtCalculadora");
            calc->setFocus();
            calc->selectAll();
            QTest::keyClick(calc, Qt::Key_Delete);
            Clic(Hijo<QPushButton>(d, "cmdOK"));
        });
        v->EjecutarComando("mnuToolsOpciones");
        QCOMPARE(Calculadora, std::string());
        QVERIFY(!v->Accion("mnuToolsCalc")->isEnabled());
        QVERIFY(v->Accion("mnuToolsComp")->isEnabled());
        RegistrarComando("mnuToolsCalc", previo("mnuToolsCalc"));
        RegistrarComando("mnuToolsComp", previo("mnuToolsComp"));
    }
};

QTEST_MAIN(TestDialogoOpciones)
#include "test_opciones_dialogo.moc"
