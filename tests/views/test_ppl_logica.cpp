// The pipeline window's logic over real programs stepped through the clock
// cycle in both pipeline modes: the history rows, the newest row's format,
// the buttons, the tracked stage and the cell texts under the pointer.
#include <QtTest>

#include "views/LogicaPPL.h"
#include "views/test_ppl_programa.h"

namespace {

using Filas = std::vector<std::vector<std::string>>;

Filas Historia(const LogicaPPL& l) {
    Filas f;
    for (int32_t r = 1; r < l.Grid().Filas(); ++r) {
        std::vector<std::string> fila;
        for (int32_t c = 0; c < LogicaPPL::kColumnas; ++c) fila.push_back(l.Historia(r, c));
        f.push_back(fila);
    }
    return f;
}

// One step as the main window makes it: a clock cycle, then the refresh.
void Paso(LogicaPPL& l, int ciclos = 1) {
    pplprueba::Ciclos(ciclos);
    l.Actualizar();
}

const std::vector<std::string> kVacia(6, "");

bool Negrita(const EstadoGrid& g, int32_t fila, int32_t col) { return g.Atributos(fila, col) & EstadoGrid::kNegrita; }

}  // namespace

class TestLogicaPPL : public QObject {
    Q_OBJECT
    prueba::CuadrosFalsos cuadros_;

private slots:
    void loadStateAndNewestRowFormat() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        const EstadoGrid& g = l.Grid();
        QCOMPARE(l.UnitSeg(), int16_t(3));
        QCOMPARE(l.TextoUnidad(), std::string(" EJECUCION "));
        QCOMPARE(l.CicloMostrado(), 0);
        QVERIFY(!l.PanelDesplegado());
        QCOMPARE(g.Filas(), 5);
        QCOMPARE(g.Columnas(), 6);
        const char* cab[6] = {"Ciclo", "PC", "BUSQUEDA", "DECODIFICACION", "LECTURA", "EJECUCION"};
        const int32_t anchos[6] = {700, 900, 525, 525, 525, 525};
        const uint32_t colores[6] = {0x8080FF, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(g.Texto(0, c), std::string(cab[c]));
            QCOMPARE(g.AnchoColumna(c), anchos[c]);
            QCOMPARE(g.ColorFondo(4, c), colores[c]);
            QVERIFY(Negrita(g, 4, c));
            QCOMPARE(g.ColorFondo(3, c), EstadoGrid::kColorDefecto);
            QVERIFY(!Negrita(g, 3, c));
        }
        QCOMPARE(g.Fila(), 4);
        QCOMPARE(g.Columna(), 5);
        QCOMPARE(Historia(l), Filas(4, kVacia));
        // Without the pipeline every cell of the newest row is light yellow.
        ModoPPL = 1;
        l.Inicializar();
        for (int c = 0; c < 6; ++c) QCOMPARE(g.ColorFondo(4, c), uint32_t(0x80FFFF));
    }

    // With the pipeline one row per cycle; the fetched name reaches the row
    // of its fetch one cycle later, when the decode stage knows it. LDI
    // @pila,SP right behind LDP is held two cycles, and the word behind it
    // stays in the fetch stage until it is decoded in cycle 6.
    void withPipelineEachCycleAddsARow() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        for (int i = 0; i < 4; ++i) Paso(l);
        QCOMPARE(Historia(l), (Filas{{"1", "0809800", "LDICond", " - ", " - ", " - "},
                                     {"2", "0809801", "LDI", "LDICond", " - ", " - "},
                                     {"3", "0809802", " - ", "LDI", "LDICond", " - "},
                                     {"4", "0809802", " - ", "LDI", " - ", "LDICond"}}));
        Paso(l, 1);
        Paso(l, 1);
        QCOMPARE(Historia(l), (Filas{{"3", "0809802", "LDI", "LDI", "LDICond", " - "},
                                     {"4", "0809802", "LDI", "LDI", " - ", "LDICond"},
                                     {"5", "0809802", "LDI", "LDI", " - ", " - "},
                                     {"6", "0809803", " - ", "LDI", "LDI", " - "}}));
        QCOMPARE(l.CicloMostrado(), 6);
        // Texts move up; the newest row's format stays on the last row.
        QVERIFY(Negrita(l.Grid(), 4, 0) && !Negrita(l.Grid(), 3, 0));
    }

    // A held decode cycle: the same instruction in DECODIFICACION again and
    // "-" in the stages behind it, while the fetch stage keeps the word behind
    // it, whose name reaches every row that showed it once it is decoded.
    // ADDI 1,AR1 (cycle 11 in decode) holds LDI *AR1,R0 in cycles 12 to 14.
    void aHeldDecodeRepeatsTheInstruction() {
        QVERIFY(pplprueba::Cargar("retencion_grupos", 0));
        LogicaPPL l;
        for (int i = 0; i < 15; ++i) Paso(l);
        QCOMPARE(Historia(l), (Filas{{"12", "080980B", "ADDI", "LDI", "ADDI", "NOP"},
                                     {"13", "080980B", "ADDI", "LDI", " - ", "ADDI"},
                                     {"14", "080980B", "ADDI", "LDI", " - ", " - "},
                                     {"15", "080980C", " - ", "ADDI", "LDI", " - "}}));
    }

    // A refresh on an unchanged counter changes nothing; after a run of many
    // cycles the row before is no longer the previous cycle and keeps its text.
    void refreshWithoutStepAndAfterARun() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        l.Actualizar();   // counter 0, as after Load: nothing
        QCOMPARE(Historia(l), Filas(4, kVacia));
        Paso(l);
        const Filas antes = Historia(l);
        l.Actualizar();
        QCOMPARE(Historia(l), antes);
        Paso(l, 10);
        const Filas f = Historia(l);
        QCOMPARE(f[2], (std::vector<std::string>{"1", "0809800", " - ", " - ", " - ", " - "}));
        QCOMPARE(f[3][0], std::string("11"));
    }

    void afterAResetTheNextRowShowsCycleZero() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        Paso(l, 3);
        ReiniciarProcesador();
        l.Actualizar();
        QCOMPARE(l.Historia(4, 0), std::string("0"));
        QCOMPARE(l.Historia(3, 0), std::string("3"));
    }

    // Without the pipeline the counter moves by 4 and the four stages hold the
    // one instruction of the cycle; nothing is written into the row before.
    void withoutPipelineOneInstructionPerRow() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 1));
        LogicaPPL l;
        for (int i = 0; i < 4; ++i) Paso(l);
        QCOMPARE(Historia(l), (Filas{{"4", "0809800", "LDICond", "LDICond", "LDICond", "LDICond"},
                                     {"8", "0809801", "LDI", "LDI", "LDI", "LDI"},
                                     {"12", "0809802", "LDI", "LDI", "LDI", "LDI"},
                                     {"16", "0809803", "LDI", "LDI", "LDI", "LDI"}}));
        Paso(l, 2);   // LDI R0,R1 then ADDI in one refresh
        QCOMPARE(l.Historia(4, 0), std::string("24"));
        QCOMPARE(l.Historia(4, 2), std::string("ADDI"));
        QCOMPARE(l.Historia(3, 2), std::string("LDI"));
    }

    // Button 4 empties the pipeline and adds a row for the same cycle; the
    // row before keeps the name it showed.
    void emptyingThePipelineAddsARowOfTheSameCycle() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        Paso(l, 1);
        Paso(l, 1);
        l.CmdModoFrm_Click(4);
        QCOMPARE(l.Historia(4, 0), std::string("2"));
        QCOMPARE(l.Historia(3, 0), std::string("2"));
        QCOMPARE(l.Historia(3, 3), std::string("LDICond"));
        QCOMPARE(l.Historia(3, 2), std::string(" - "));
        for (int c = 2; c < 6; ++c) QCOMPARE(l.Historia(4, c), std::string(" - "));
        QCOMPARE(gPPL->Decodificacion().LTipoIntr, -1);
        Paso(l);
        QCOMPARE(l.Historia(4, 0), std::string("3"));
        QCOMPARE(l.Historia(3, 2), std::string(" - "));   // the emptied fetch knew nothing
    }

    // Buttons 2 and 3 clear the history and the formats, then format the new
    // last row; never fewer than 5 rows.
    void addingAndRemovingRowsEmptiesTheHistory() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        Paso(l, 1);
        Paso(l, 1);
        l.CmdModoFrm_Click(3);
        QCOMPARE(l.Grid().Filas(), 5);
        QCOMPARE(Historia(l), Filas(4, kVacia));
        l.CmdModoFrm_Click(2);
        l.CmdModoFrm_Click(2);
        QCOMPARE(l.Grid().Filas(), 7);
        QVERIFY(Negrita(l.Grid(), 6, 5) && !Negrita(l.Grid(), 4, 5));
        QCOMPARE(l.Grid().ColorFondo(4, 0), EstadoGrid::kColorDefecto);
        QCOMPARE(l.Grid().Texto(0, 3), std::string("DECODIFICACION"));
        Paso(l);
        QCOMPARE(l.Historia(6, 0), std::string("3"));
        QCOMPARE(l.Historia(5, 2), std::string());   // nothing written into a cleared row
        l.CmdModoFrm_Click(3);
        QCOMPARE(l.Grid().Filas(), 6);
        QCOMPARE(Historia(l), Filas(5, kVacia));
    }

    // After a row is added or removed the newest row, where the next cycle
    // writes, is on screen.
    void theNewestRowStaysInViewAfterAddingRows() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        EstadoGrid& g = l.Grid();
        g.FilasVisibles(4);
        for (int filas = 6; filas <= 9; ++filas) {
            l.CmdModoFrm_Click(2);
            QCOMPARE(g.Filas(), filas);
            QVERIFY2(g.FilaVisible(filas - 1), qPrintable(QString("%1 rows, top row %2").arg(filas).arg(g.FilaSuperior())));
        }
        l.CmdModoFrm_Click(3);
        QVERIFY(g.FilaVisible(g.Filas() - 1));
        Paso(l);
        QCOMPARE(g.Texto(g.Filas() - 1, 0), std::string("1"));
    }

    // Only the rows on screen are written into the grid; scrolling writes the others.
    void onlyTheRowsOnScreenAreWritten() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 1));
        LogicaPPL l;
        for (int i = 0; i < 20; ++i) l.CmdModoFrm_Click(2);
        EstadoGrid& g = l.Grid();
        g.FilasVisibles(4);
        g.FilaSuperior(1);
        Paso(l);
        QCOMPARE(l.Historia(24, 0), std::string("4"));
        QCOMPARE(g.Texto(24, 0), std::string());
        g.FilaSuperior(21);
        l.RefrescarLineas();
        QCOMPARE(g.Texto(24, 0), std::string("4"));
        QCOMPARE(g.Texto(24, 2), std::string("LDICond"));
        // At the end of the list the row above the top one shows cut by the
        // top edge: it follows the history too.
        QCOMPARE(g.PrimeraFilaVisible(), 20);
        for (int i = 0; i < 4; ++i) Paso(l);
        for (int32_t r = 20; r <= 24; ++r)
            for (int32_t c = 0; c < LogicaPPL::kColumnas; ++c) QCOMPARE(g.Texto(r, c), l.Historia(r, c));
        QCOMPARE(g.Texto(20, 0), std::string("4"));
    }

    void trackedStageAndFolding() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        struct Caso {
            int16_t valor;
            int16_t etapa;
            const char* texto;
        };
        for (const Caso& c : {Caso{0, 0, " BUSQUEDA "}, Caso{2, 2, " LECTURA "}, Caso{4, 2, " LECTURA "},
                              Caso{-1, 2, " LECTURA "}, Caso{1, 1, " DECODIFICACION "}}) {
            l.UnitSeg(c.valor);
            QCOMPARE(l.UnitSeg(), c.etapa);
            QCOMPARE(l.TextoUnidad(), std::string(c.texto));
            QCOMPARE(l.ImagenUnidad(), int16_t(c.etapa + 1));
        }
        // Double-click: columns 2 to 5 choose the stages, 0 and 1 change nothing.
        for (int32_t col : {0, 1, 5, 1, 2}) {
            const int16_t antes = l.UnitSeg();
            l.Grid().Columna(col);
            l.SeleccionarUnidadSeg();
            QCOMPARE(l.UnitSeg(), col >= 2 ? int16_t(col - 2) : antes);
        }
        QVERIFY(l.BotonVisible(0) && !l.BotonVisible(1));
        l.CmdModoFrm_Click(1);   // folding a folded panel does nothing
        QVERIFY(!l.PanelDesplegado());
        const uint32_t version = l.Panel().Version();
        Paso(l);
        QCOMPARE(l.Panel().Version(), version);   // folded: the panel is not filled
        l.CmdModoFrm_Click(0);
        QVERIFY(l.PanelDesplegado() && !l.BotonVisible(0) && l.BotonVisible(1));
        QCOMPARE(l.Panel().Texto(PanelDetalle::kLblPC), std::string(" 00809800"));   // fetch stage
        l.UnitSeg(1);
        QCOMPARE(l.Panel().Texto(PanelDetalle::kLblPC), std::string(" 00000000"));
        const uint32_t abierta = l.Panel().Version();
        l.Actualizar();   // same cycle: the panel is left alone
        QCOMPARE(l.Panel().Version(), abierta);
        Paso(l);
        QCOMPARE(l.Panel().Texto(PanelDetalle::kTxtCodInstr), std::string(" [5] LDICond"));
    }

    void cellTextUnderThePointer() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        LogicaPPL l;
        Paso(l);
        struct Caso {
            int32_t fila, col;
            std::optional<std::string> texto;
        };
        for (const Caso& c : {Caso{0, 3, "DECODIFICACION"}, Caso{4, 1, "0809800"}, Caso{4, -1, "1"},
                              Caso{5, 0, std::nullopt}, Caso{4, 6, std::nullopt}, Caso{3, 2, ""}})
            QCOMPARE(l.TextoCeldaPPL(c.fila, c.col), c.texto);
    }
};

QTEST_MAIN(TestLogicaPPL)
#include "test_ppl_logica.moc"
