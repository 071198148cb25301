// The memory window inside the main window with a real program (a recursive
// factorial): the stack and the data accesses of each step, the borrowed
// pop-up menus, the search command and a watch-mark break. With
// TARVIX_MOSTRAR set, the main window stays on screen that many seconds.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "app/frmMain.h"
#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "views/MenuDePrueba.h"
#include "views/FrmMemoria.h"

namespace {
constexpr int32_t kPila = 0x809F00;   // the stack the program sets up
constexpr int32_t kRes = 0x809813;    // where it stores 10!
}  // namespace

class TestMemoriaPrincipal : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;
    std::unique_ptr<frmMain> main_;

    FrmMemoria* Mem() { return dynamic_cast<FrmMemoria*>(main_->FrmMemoria(false)); }
    LogicaMemoria& L() { return Mem()->Logica(); }
    uint8_t Atributos(int32_t a) {
        const int32_t d = a - L().InicioRegion(), n = L().ColumnasDatos();
        return L().Grid().Atributos(d / n, d % n + 1);
    }
    QPoint Centro(int32_t a) {
        const int32_t d = a - L().InicioRegion(), n = L().ColumnasDatos();
        VistaGrid* g = Mem()->GridMemoria();
        return g->visualRect(g->model()->index(d / n, d % n)).center();
    }
    void Pasos(int n) {
        for (int i = 0; i < n; ++i) main_->EjecutarComando("mnuDepStep");
    }

private slots:
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
        LeerOpciones();   // one whole instruction a step
        CrearObjetosPrograma();
        main_ = std::make_unique<frmMain>();
        main_->resize(1100, 750);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        main_->CargaFichDSK(TARVIX_SOURCE_DIR "/tests/programs/factorial.dsk");
        QVERIFY(Mem());
        main_->Marco(TipoVista::Memoria)->setGeometry(0, 0, 760, 300);
    }
    void cleanup() {
        main_.reset();
        cuadros_.reset();
        ajustes_.reset();
    }

    void opensAtStartAndEnablesItsMenus() {
        QVERIFY(main_->VistaAbierta(TipoVista::Memoria));
        QVERIFY(main_->Menu("PopMnuMem")->isEnabled());
        QVERIFY(main_->Menu("mnuEdit")->isEnabled());
        QCOMPARE(Mem()->CmbMemoria()->currentText(), QString("Vectores de Interrupcion"));
    }

    // The stack panel finds the stack; the CALL's push is then the cell
    // accessed and the stack pointer's new word, and the old one stays marked.
    void stepsMarkTheStackAndTheAccessedCell() {
        Pasos(3);   // LDP, NOP, LDI @pila,SP
        QCOMPARE(gRegistros->SP(), kPila);
        QTest::mouseDClick(Mem()->Panel(7), Qt::LeftButton);
        QCOMPARE(Mem()->CmbMemoria()->currentText(), QString("RAM Bloque 1"));
        QCOMPARE(L().DireccionActual(), kPila);
        QVERIFY(Atributos(kPila) & LogicaMemoria::kEnfasisSP);
        Pasos(3);   // LDI 10,R0, NOP, CALL fact
        QCOMPARE(gRegistros->SP(), kPila + 1);
        QCOMPARE(L().DireccionActual(), kPila + 1);
        QCOMPARE(Mem()->Panel(2)->text(), QString("809F01"));
        QVERIFY(Atributos(kPila + 1) & LogicaMemoria::kEnfasisAcceso);
        QVERIFY(Atributos(kPila + 1) & LogicaMemoria::kEnfasisSP);
        QVERIFY(Atributos(kPila) & LogicaMemoria::kEnfasisSP);
        const int32_t d = kPila + 1 - L().InicioRegion(), n = L().ColumnasDatos();
        QCOMPARE(L().Grid().Texto(d / n, d % n + 1), std::string("00809806"));   // the return address
        Pasos(1);   // CMPI: no data access, the access mark goes
        QVERIFY(!(Atributos(kPila + 1) & LogicaMemoria::kEnfasisAcceso));
    }

    void rightClickShowsTheMemoryOrTheEditMenu() {
        VistaGrid* g = Mem()->GridMemoria();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, Centro(1));
        auto derecho = [&](int32_t a) { QTest::mouseClick(g->viewport(), Qt::RightButton, {}, Centro(a)); };
        QString titulo = prueba::ElegirEnMenu([&] { derecho(1); }, -1);
        QCOMPARE(titulo, main_->Menu("PopMnuMem")->title());
        gMemoria->Escribe(1, 0xAA);
        gMemoria->Escribe(2, 0xBB);
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, Centro(1));
        QTest::mouseMove(g->viewport(), Centro(2));
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, Centro(2));
        titulo = prueba::ElegirEnMenu([&] { derecho(2); }, 1);
        QCOMPARE(titulo, main_->Menu("mnuEdit")->title());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("00000001-000000AA\r00000002-000000BB\r"));
    }

    void searchCommandFindsAnIdentifierOfTheListing() {
        cuadros_->textos = {"FACT"};
        main_->EjecutarComando("mnuMemBusqueda");
        QCOMPARE(Mem()->CmbMemoria()->currentText(), QString("RAM Bloque 0"));
        QCOMPARE(L().DireccionActual(), 0x809808);
        QCOMPARE(main_->InfoBar(), std::string("Dialogo para la busqueda de una posición de memoria."));
    }

    // The core's watch-mark break points the memory window at the cell.
    void watchMarkBreakShowsTheCell() {
        gMarcasRupt->Add(0, kRes, 1, 0xDEAD, 0, "resultado");
        main_->EjecutarComando("mnuExeRun");
        QTRY_COMPARE_WITH_TIMEOUT(main_->ModoEjecucion(), int16_t(modo::kParado), 10000);
        QCOMPARE(L().DireccionActual(), kRes);
        QCOMPARE(Mem()->Panel(6)->text(), QString("resultado"));
        QCOMPARE(L().Grid().Texto((kRes - 0x809800) / L().ColumnasDatos(), (kRes - 0x809800) % L().ColumnasDatos() + 1),
                 std::string("00375F00"));
    }

    void identifierPanelOpensTheReferenceTable() {
        QTest::mouseDClick(Mem()->Panel(2), Qt::LeftButton);
        QVERIFY(!main_->FrmAuxDatos_LOAD());
        QTest::mouseDClick(Mem()->Panel(4), Qt::LeftButton);
        QVERIFY(main_->FrmAuxDatos_LOAD());
        QVERIFY(main_->FrmAuxDatos()->Widget()->isVisible());
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        main_->Marco(TipoVista::Memoria)->setGeometry(0, 0, 900, 380);
        Pasos(15);
        QTest::mouseDClick(Mem()->Panel(7), Qt::LeftButton);
        main_->AreaCliente()->setActiveSubWindow(main_->Marco(TipoVista::Memoria));
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestMemoriaPrincipal)
#include "test_memoria_principal.moc"
