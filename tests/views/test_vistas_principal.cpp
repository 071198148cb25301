// The listing, register and pipeline windows inside the main window with real
// programs: loading, stepping, resetting, the borrowed pop-up menus. With
// TARVIX_MOSTRAR set, the main window stays on screen that many seconds.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <functional>

#include "app/frmMain.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "views/MenuDePrueba.h"
#include "views/FrmPPL.h"
#include "views/FrmRegistros.h"
#include "views/frmDASM.h"

using L = LogicaRegistros;

class TestVistasPrincipal : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;
    std::unique_ptr<frmMain> main_;

    frmDASM* DASM() { return dynamic_cast<frmDASM*>(main_->frmDASM()); }
    FrmRegistros* Regs() { return dynamic_cast<FrmRegistros*>(main_->Vista(TipoVista::Registros)); }
    FrmPPL* PPL() { return dynamic_cast<FrmPPL*>(main_->Vista(TipoVista::PPL)); }

    // A listing of examples/ opened as the File menu opens it, with the
    // default reset of the processor.
    void AbrirEjemplo(const char* programa) {
        main_->CargaFichDSK(std::string(TARVIX_SOURCE_DIR) + "/examples/" + programa + ".dsk", ResetDSK);
    }
    // The texts of the pipeline grid's data rows as shown, cells joined by "|".
    QStringList FilasPPL() {
        const QAbstractItemModel* m = PPL()->GridPPL()->model();
        QStringList filas;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList celdas;
            for (int c = 0; c < m->columnCount(); ++c) celdas << m->data(m->index(r, c)).toString();
            filas << celdas.join('|');
        }
        return filas;
    }
    QString CeldaPPL(int fila, int col) {
        const QAbstractItemModel* m = PPL()->GridPPL()->model();
        return m->data(m->index(fila - 1, col)).toString();
    }
    // The detail panel's boxes as shown.
    QStringList PanelPPL() {
        QStringList cajas;
        for (int id = 0; id < PanelDetalle::kNumCajas; ++id) cajas << PPL()->Caja(PanelDetalle::Id(id))->text();
        cajas << (PPL()->ChkD()->isChecked() ? "D" : "");
        return cajas;
    }
    // What the panel shows for the tracked stage's record when nothing was shown before.
    QStringList PanelNuevo() {
        PanelDetalle p;
        p.separadorDecimal = PPL()->Logica().Panel().separadorDecimal;
        p.MostrarUnidadSeg(*gPPL->Unidades(PPL()->Logica().UnitSeg()));
        QStringList cajas;
        for (int id = 0; id < PanelDetalle::kNumCajas; ++id)
            cajas << QString::fromStdString(p.Texto(PanelDetalle::Id(id)));
        cajas << (p.ChkD() ? "D" : "");
        return cajas;
    }

private slots:
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
        ajustes_->Poner("Opciones\\Entorno", "ModoPPL", "0");
        LeerOpciones();
        CrearObjetosPrograma();
        main_ = std::make_unique<frmMain>();
        main_->resize(1100, 750);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        main_->CargaFichDSK(TARVIX_SOURCE_DIR "/tests/programs/factorial.dsk");
        QVERIFY(DASM());
        QVERIFY(Regs());
    }
    void cleanup() {
        main_.reset();
        cuadros_.reset();
        ajustes_.reset();
    }

    // At its default place and size every box and button of the register
    // window is whole inside the window and inside the client area.
    void registerWindowShowsEveryBoxWhole() {
        FrmRegistros* w = Regs();
        const QWidget* area = w->parentWidget()->parentWidget();
        std::vector<std::pair<QString, const QWidget*>> controles = {
            {"CmdLimpiar", w->CmdLimpiar()}, {"CmdResetReg", w->CmdResetReg()},
            {"CmdMasInfo0", w->CmdMasInfo(0)}, {"CmdMasInfo1", w->CmdMasInfo(1)}};
        for (int a = 0; a < 3; ++a)
            for (int i = 0; i < L::kNumCajas[a]; ++i) {
                const QString quien = QString::fromStdString(L::Boton(L::Arreglo(a), i));
                controles.push_back({quien, w->Caja(L::Arreglo(a), i)});
                controles.push_back({quien + " (botón)", w->BotonFormato(L::Arreglo(a), i)});
            }
        for (const auto& [quien, c] : controles) {
            QVERIFY2(w->rect().contains(c->geometry()), qPrintable(quien));
            QVERIFY2(area->rect().contains(QRect(c->mapTo(area, QPoint(0, 0)), c->size())), qPrintable(quien));
        }
    }

    void loadShowsTheListingAtTheEntry() {
        QCOMPARE(gEstadoDSK, int16_t(0));
        const EstadoGrid& g = DASM()->Logica().Grid();
        QCOMPARE(DASM()->CmbTipoDASM()->currentText(), QString("Fichero"));
        QCOMPARE(g.Texto(6, 3), std::string("inicio: LDP     pila"));
        QCOMPARE(DASM()->Logica().FilaPC(), 6);
        QCOMPARE(Regs()->Caja(L::kTxtReg, 0)->text(), QString("00809800"));
    }

    // The sections of the loaded listing, each exactly its range of words.
    void sectionsOfTheLoadedListing() {
        QComboBox* tipo = DASM()->CmbTipoDASM();
        tipo->setFocus();
        QTest::keyClick(tipo, Qt::Key_Up);
        QCOMPARE(DASM()->CmbSecDASM()->count(), 2);
        QCOMPARE(DASM()->CmbSecDASM()->itemText(1), QString(".data"));
        const EstadoGrid& g = DASM()->Logica().Grid();
        QCOMPARE(g.Filas(), 0x12 + 1);
        QCOMPARE(DASM()->Logica().FilaPC(), 1);
        DASM()->Logica().Grid().FilaSuperior(0x12);
        DASM()->Logica().RefrescarLineas();
        QCOMPARE(g.Texto(0x12, 3), std::string("        RETSU"));
        QTest::keyClick(DASM()->CmbSecDASM(), Qt::Key_Down);
        QCOMPARE(g.Filas(), 3);
        QCOMPARE(g.Texto(2, 1), std::string("00809813"));
    }

    // Steps with the pipeline: the PC row and the stage icons follow, and the
    // register window marks what the steps changed, never PC. The CALL is
    // decoded in cycle 8 (LDI @pila,SP waits a cycle for DP).
    void steppingMovesThePCRowAndMarksRegisters() {
        for (int i = 0; i < 9; ++i) main_->EjecutarComando("mnuDepStep");
        const EstadoGrid& g = DASM()->Logica().Grid();
        const int32_t pc = gRegistros->PC();
        QCOMPARE(g.Texto(DASM()->Logica().FilaPC(), 1), FormatoHex(pc));
        QCOMPARE(g.ColorFondo(DASM()->Logica().FilaPC(), 1), LogicaDASM::kFondoPC);
        // The fetch waits behind the CALL, which is in the read stage.
        QCOMPARE(DASM()->Logica().FilaEtapa(0), 0);
        QVERIFY(DASM()->Logica().FilaEtapa(2) > 0);
        QCOMPARE(g.Texto(DASM()->Logica().FilaEtapa(2), 3), std::string("        CALL    fact"));
        QCOMPARE(Regs()->Caja(L::kTxtReg, 0)->text().toStdString(), FormatoHex(pc));
        QVERIFY(!Regs()->Caja(L::kTxtReg, 0)->font().italic());
    }

    // The step that loads R0 marks it; the next step, which leaves R0 alone,
    // clears the mark.
    void theStepThatChangesR0MarksIt() {
        for (int i = 0; i < 40 && gRegistros->R(0).LO() == 0; ++i) main_->EjecutarComando("mnuDepStep");
        QCOMPARE(gRegistros->R(0).LO(), 10);
        QVERIFY(Regs()->Caja(L::kTxtRegEXT, 0)->font().italic());
        main_->EjecutarComando("mnuDepStep");
        QCOMPARE(gRegistros->R(0).LO(), 10);
        QVERIFY(!Regs()->Caja(L::kTxtRegEXT, 0)->font().italic());
    }

    void rightClickShowsTheDebugMenu() {
        VistaGrid* grid = DASM()->GridDASM();
        const QPoint p = grid->visualRect(grid->model()->index(6, 3)).center();
        const QString titulo =
            prueba::ElegirEnMenu([&] { QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, p); }, -1);
        QCOMPARE(titulo, main_->Menu("mnuDep")->title());
    }

    void formatButtonUsesTheMainWindowsMenu() {
        gRegistros->AR(2, -7);
        main_->Refrescar();
        prueba::ElegirEnMenu([&] { QTest::mouseClick(Regs()->BotonFormato(L::kTxtReg, 4), Qt::LeftButton); }, 2);
        QCOMPARE(Regs()->Caja(L::kTxtReg, 4)->text(), QString("-7"));
        QCOMPARE(main_->ResultadoPopUpMenu(), int16_t(2));
        QVERIFY(main_->Accion("mnuFormato4")->isEnabled());
        // PC allows hexadecimal only.
        prueba::ElegirEnMenu([&] { QTest::mouseClick(Regs()->BotonFormato(L::kTxtReg, 0), Qt::LeftButton); }, -1);
        QVERIFY(main_->Accion("mnuFormato0")->isEnabled());
        QVERIFY(!main_->Accion("mnuFormato1")->isEnabled());
        QCOMPARE(Regs()->Logica().CajaDe(L::kTxtReg, 0).formato, int16_t(0));
    }

    void newPCRefreshesEveryView() {
        QLineEdit* caja = Regs()->Caja(L::kTxtReg, 0);
        QTest::mouseClick(caja, Qt::LeftButton);
        QTRY_VERIFY(caja->hasFocus());
        caja->selectAll();
        QTest::keyClicks(caja, "80980C");
        QTest::keyClick(caja, Qt::Key_Return);
        QCOMPARE(gRegistros->PC(), 0x80980C);
        QCOMPARE(DASM()->Logica().Grid().Texto(DASM()->Logica().FilaPC(), 1), std::string("0080980C"));
    }

    // The menus' shortcuts act with the focus in a register box, as they do
    // anywhere in the main window; the box keeps the clipboard keys, the keys
    // no menu binds, and a bound key whose command cannot run now.
    void shortcutsActWithTheFocusInABox() {
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QLineEdit* caja = Regs()->Caja(L::kTxtReg, 5);
        QTest::mouseClick(caja, Qt::LeftButton);
        QTRY_VERIFY(caja->hasFocus());
        QTRY_VERIFY(caja->hasSelectedText());   // the whole text, selected on entry
        const QString texto = caja->text();
        struct Caso {
            const char* nombre;
            int tecla;
            std::function<bool()> hecho;
        };
        const int ctrl = Qt::ControlModifier;
        const std::vector<Caso> casos = {
            // Pausa is disabled while nothing runs: the box selects its text.
            {"Ctrl+A parado", ctrl | Qt::Key_A, [&] { return caja->selectedText() == caja->text(); }},
            {"Ctrl+F5", ctrl | Qt::Key_F5, [&] { return main_->ModoEjecucion() == 3; }},
            {"Ctrl+A", ctrl | Qt::Key_A,
             [&] { return main_->Boton("Pause")->isChecked() && !main_->TimerRUN()->isActive(); }},
            {"Ctrl+E", ctrl | Qt::Key_E, [&] { return !main_->VistaAbierta(TipoVista::PPL); }},
            {"Ctrl+D", ctrl | Qt::Key_D, [&] { return !main_->VistaAbierta(TipoVista::DASM); }},
            {"Ctrl+C", ctrl | Qt::Key_C, [&] { return QGuiApplication::clipboard()->text() == texto; }},
            {"Ctrl+V", ctrl | Qt::Key_V, [&] { return caja->text() == texto + "7"; }},
            // Not bound: the box's undo takes the paste back.
            {"Ctrl+Z", ctrl | Qt::Key_Z, [&] { return caja->text() == texto; }},
        };
        for (const Caso& c : casos) {
            if (std::string(c.nombre) == "Ctrl+A parado") caja->deselect();
            if (std::string(c.nombre) == "Ctrl+V") {
                QGuiApplication::clipboard()->setText(texto + "7");
                caja->selectAll();
            }
            const QKeyCombination k = QKeyCombination::fromCombined(c.tecla);
            QTest::keyClick(caja, k.key(), k.keyboardModifiers());
            QVERIFY2(c.hecho(), c.nombre);
            QVERIFY2(caja->hasFocus(), c.nombre);
        }
        QCOMPARE(main_->InfoBar(),
                 std::string("Ejecucion del código suspendida de manera temporal. Pulse <RUN> para continuar..."));
    }

    // A new listing or a reset starts the pipeline history and the detail
    // panel afresh, also in a window that was hidden when the listing came;
    // re-initialising the views for an options change keeps them.
    void newProgramStartsThePipelineWindowAfresh() {
        struct Caso {
            const char* nombre;
            std::function<void()> hacer;
            bool guarda;
        };
        const std::vector<Caso> casos = {
            {"otro listado", [&] { AbrirEjemplo("fir_circular"); }, false},
            {"reset", [&] { main_->EjecutarComando("mnuExeInicializar"); }, false},
            {"listado con la ventana oculta",
             [&] {
                 main_->EjecutarComando("mnuWindowPPL");
                 AbrirEjemplo("fir_circular");
                 main_->EjecutarComando("mnuWindowPPL");
             },
             false},
            {"opciones", [&] { main_->Inicializar(); }, true},
        };
        QVERIFY(PPL());
        QTest::mouseClick(PPL()->CmdModoFrm(0), Qt::LeftButton);
        QVERIFY(PPL()->FrmSeg()->isVisible());
        for (const Caso& c : casos) {
            AbrirEjemplo("factorial");
            // The first instruction after the held cycle of LDI @pila,SP executes in cycle 7.
            for (int i = 0; i < 7; ++i) main_->EjecutarComando("mnuDepStep");
            const QStringList filas = FilasPPL(), panel = PanelPPL();
            QVERIFY2(CeldaPPL(1, 0) == "4" && CeldaPPL(4, 0) == "7", c.nombre);
            QVERIFY2(panel[PanelDetalle::kTxtCodInstr] != " [0]  - ", c.nombre);   // an instruction of factorial
            c.hacer();
            if (c.guarda) {
                QVERIFY2(FilasPPL() == filas, c.nombre);
                QVERIFY2(PanelPPL() == panel, c.nombre);
                continue;
            }
            QCOMPARE(gCiclos, 0);
            for (const QString& f : FilasPPL()) QVERIFY2(f == "|||||", qPrintable(c.nombre + (": " + f)));
            QVERIFY2(PanelPPL() == PanelNuevo(), qPrintable(PanelPPL().join('/')));
            main_->EjecutarComando("mnuDepStep");
            QVERIFY2(CeldaPPL(4, 0) == "1", c.nombre);
            QCOMPARE(CeldaPPL(4, 1).toStdString(), FormatoHex(gDirEntrada).substr(1));
            for (int fila = 1; fila < 4; ++fila) QVERIFY2(FilasPPL()[fila - 1] == "|||||", c.nombre);
            QVERIFY2(PanelPPL() == PanelNuevo(), c.nombre);
        }
    }

    // With the pipeline, a stage has its mark in the listing exactly when the
    // pipeline grid names an instruction for it, and the mark stands on that
    // instruction's address: a stage that shows "-" (emptied, a fetch that
    // waited or was cancelled) has none. The fetch stage's name comes into the
    // grid one cycle later, in the row before, or, while the decode stage is
    // held, once the word is decoded. fir_circular ends in a branch to
    // itself before its data words; factorial runs its first steps without the
    // pipeline, whose switching on empties the stages.
    void stageMarksAgreeWithThePipelineGrid() {
        struct Caso {
            const char* programa;
            int pasosSinPPL, pasos;
            int32_t fin;
        };
        for (const Caso& c : {Caso{"fir_circular", 0, 400, 0x809812}, Caso{"factorial", 20, 250, 0x809807}}) {
            ModoPPL = c.pasosSinPPL > 0 ? 1 : 0;
            AbrirEjemplo(c.programa);
            for (int i = 0; i < c.pasosSinPPL; ++i) main_->EjecutarComando("mnuDepStep");
            ModoPPL = 0;
            main_->Inicializar();
            const LogicaDASM& dasm = DASM()->Logica();
            const EstadoGrid& g = dasm.Grid();
            const auto nombrada = [&](int fila, int col) { return CeldaPPL(fila, col) != " - "; };
            bool busquedaMarcada = false;
            for (int paso = 0; paso < c.pasos; ++paso) {
                main_->EjecutarComando("mnuDepStep");
                const QString donde = QString("%1, ciclo %2").arg(c.programa).arg(gCiclos);
                if (paso > 0 && !gPPL->Retenida())
                    QVERIFY2(busquedaMarcada == nombrada(3, 2), qPrintable(donde + ", busqueda"));
                busquedaMarcada = dasm.FilaEtapa(0) > 0;
                for (int k = 1; k < 4; ++k)
                    QVERIFY2((dasm.FilaEtapa(k) > 0) == nombrada(4, 2 + k),
                             qPrintable(donde + QString(", etapa %1").arg(k)));
                const std::array<int32_t, 4> marcas = {dasm.FilaEtapa(0), dasm.FilaEtapa(1), dasm.FilaEtapa(2),
                                                       dasm.FilaEtapa(3)};
                for (int k = 0; k < 4; ++k)
                    if (marcas[k] > 0) QCOMPARE(g.Texto(marcas[k], 1), FormatoHex(gPPL->Unidades(int16_t(k))->lPosMem));
                // No other row keeps a mark.
                for (int32_t fila = 1; fila < g.Filas(); ++fila)
                    if (g.Imagen(fila, 0) != 0)
                        QVERIFY2(std::find(marcas.begin(), marcas.end(), fila) != marcas.end(), qPrintable(donde));
            }
            QVERIFY(gRegistros->PC() == c.fin || gRegistros->PC() == c.fin + 1);   // spinning at fin
        }
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        main_->Marco(TipoVista::DASM)->setGeometry(0, 0, 800, 520);
        main_->Marco(TipoVista::Registros)->move(805, 0);
        for (int i = 0; i < 12; ++i) main_->EjecutarComando("mnuDepStep");
        QTest::mouseClick(Regs()->CmdMasInfo(0), Qt::LeftButton);
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestVistasPrincipal)
#include "test_vistas_principal.moc"
