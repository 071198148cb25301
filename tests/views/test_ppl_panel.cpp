// The detail panel explaining instruction records of a real program run one
// instruction a step (and one decode stage with the pipeline), then the
// records it must show without failing: emptied, out-of-table numbers.
// Expected texts follow from the listing's words decoded by hand.
#include <QtTest>
#include <map>

#include "core/ClassPPL.h"
#include "core/FilasInstruccion.h"
#include "views/PanelDetalle.h"
#include "views/test_ppl_programa.h"

using P = PanelDetalle;

namespace {

struct Esperado {
    Esperado(const char* t) : texto(t) {}
    Esperado(const char* t, const char* a) : texto(t), ayuda(a) {}
    std::string texto;
    std::optional<std::string> ayuda;   // checked when given
};
using Cajas = std::map<P::Id, Esperado>;

// Compares the boxes named; reports the box by its number.
bool Coinciden(const P& p, const Cajas& cajas, QString& fallo) {
    for (const auto& [id, e] : cajas) {
        if (p.Texto(id) != e.texto || (e.ayuda && p.Ayuda(id) != *e.ayuda)) {
            fallo = QString("caja %1: \"%2\" / \"%3\"")
                        .arg(int(id))
                        .arg(QString::fromStdString(p.Texto(id)), QString::fromStdString(p.Ayuda(id)));
            return false;
        }
    }
    return true;
}

// Fills the panel from the execute stage after a program ran `pasos`
// instructions, one a step; what differs from the boxes named, or nothing.
QString Diferencias(P& p, const std::string& programa, int pasos, const Cajas& cajas) {
    if (!pplprueba::Cargar(programa, 1)) return "listing " + QString::fromStdString(programa) + " not loaded";
    pplprueba::Ciclos(pasos);
    p.MostrarUnidadSeg(gPPL->Ejecucion());
    QString fallo;
    Coinciden(p, cajas, fallo);
    return fallo;
}

}  // namespace

Q_DECLARE_METATYPE(Cajas)

namespace {

// The current data row: after its steps of the program, the boxes it names.
void ComprobarFila(const std::string& programa) {
    QFETCH(int, pasos);
    QFETCH(Cajas, cajas);
    P p;
    const QString fallo = Diferencias(p, programa, pasos, cajas);
    QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
}

}  // namespace

class TestPanelDetalle : public QObject {
    Q_OBJECT
    prueba::CuadrosFalsos cuadros_;

private slots:
    // Without the pipeline the record after n steps is the n-th instruction run.
    void explainsEachInstructionRun_data() {
        QTest::addColumn<int>("pasos");
        QTest::addColumn<int>("chkD");
        QTest::addColumn<Cajas>("cajas");
        QTest::newRow("LDP: conditional load, immediate") << 1 << 0 << Cajas{
            {P::kTxtCodInstr, {" [5] LDICond", " [5] LDICond"}}, {P::kLblPC, {" 00809800"}},
            {P::kLblCanal, {"  4"}}, {P::kTxtTipoInstr, {" [2]  Carga Cond.", " [2]  Carga Cond."}},
            {P::kTxtModoDIR, {" (G=11) Inmediato - S1 op D1 -> D1"}}, {P::kTxtSRC_DIR1, {" 128", "Inmediato"}},
            {P::kTxtSRC_DATO1, {"128"}}, {P::kTxtDST_DIR1, {" DP", "Registro"}}, {P::kTxtTipoDatos, {" I32", "Operacion P.Fijo de 32 bits"}},
            {P::kTxtCond0, {" U  ", "Incondicional"}}, {P::kTxtCond1, {" -", "Incondicional"}}, {P::kTxtCondN, {" -"}},
            {P::kTxtSP_DIR, {" -", "No usa la pila"}}, {P::kTxtSP_FOR, {" -", "No hay dato o tipo de dato no valido"}},
            {P::kTxtSP_DATO, {""}}, {P::kTxtSRC_DIR2, {" - ", ""}}, {P::kTxtDST_DIR2, {" - "}}, {P::kTxtDST_FOR2, {" -", "No hay dato"}}};
        QTest::newRow("LDI direct") << 2 << 0 << Cajas{
            {P::kTxtTipoInstr, {" [0]  2 Op."}}, {P::kTxtModoDIR, {" (G=01) Directo - S1 op D1 -> D1"}},
            {P::kTxtSRC_DIR1, {" @0x0000981E", "Directo [@0x0080981E]"}}, {P::kTxtSRC_DATO1, {"8429312"}},
            {P::kTxtDST_DIR1, {" SP"}}, {P::kTxtDST_FOR1, {" I32", "Resultado en P.Fijo 32 bits"}},
            {P::kTxtDST_DATO1, {"8429312"}}, {P::kTxtCond0, {" -", ""}}, {P::kTxtCond1, {" -", ""}}};
        QTest::newRow("LDI immediate, negative") << 4 << 0 << Cajas{
            {P::kTxtSRC_DIR1, {" -7", "Inmediato"}}, {P::kTxtDST_DIR1, {" R0"}}, {P::kTxtDST_DATO1, {"-7"}}};
        QTest::newRow("LDI register") << 5 << 0 << Cajas{
            {P::kTxtModoDIR, {" (G=00) Registro - S1 op D1 -> D1"}}, {P::kTxtSRC_DIR1, {" R0", "Registros"}},
            {P::kTxtDST_DIR1, {" R1", "Registro"}}};
        QTest::newRow("ADDI indirect with displacement") << 6 << 0 << Cajas{
            {P::kTxtCodInstr, {" [4] ADDI"}}, {P::kTxtModoDIR, {" (G=10) Indirecto - S1 op D1 -> D1"}},
            {P::kTxtSRC_DIR1, {" *+AR0( 2)", "Indirecto [@0x00809824]"}}, {P::kTxtSRC_DATO1, {"10"}},
            {P::kTxtDST_DATO1, {"3"}}};
        QTest::newRow("SUBI3 indirect, register") << 7 << 0 << Cajas{
            {P::kTxtCodInstr, {" [14] SUBI3"}}, {P::kTxtTipoInstr, {" [1]  3 Op."}},
            {P::kTxtModoDIR, {" (T=01) Ind-Reg - S1 op S2 -> D1"}},
            {P::kTxtSRC_DIR1, {" *AR0++( 1)", "Indirecto [@0x00809822]"}}, {P::kTxtSRC_DIR2, {" R0", "Registro"}},
            {P::kTxtSRC_DATO1, {"10"}}, {P::kTxtSRC_DATO2, {"-7"}}, {P::kTxtDST_DIR1, {" R2", "Registros"}},
            {P::kTxtDST_DATO1, {"17"}}};
        QTest::newRow("ADDI3 both indirect") << 8 << 0 << Cajas{
            {P::kTxtModoDIR, {" (T=11) Ind-Ind - S1 op S2 -> D1"}},
            {P::kTxtSRC_DIR1, {" *+AR0( 1)", "Indirecto [@0x00809824]"}},
            {P::kTxtSRC_DIR2, {" *AR0", "Indirecto [@0x00809823]"}}, {P::kTxtDST_DATO1, {"30"}}};
        QTest::newRow("LDILT: condition and flags") << 10 << 0 << Cajas{
            {P::kTxtCond0, {" LT ", "Menor que"}}, {P::kTxtCond1, {" N", "Menor que"}}, {P::kTxtDST_DATO1, {"5"}}};
        QTest::newRow("PUSH writes the stack") << 11 << 0 << Cajas{
            {P::kTxtSP_DIR, {" @0x00809F01 <-", "Escribe Pila (*++SP)"}},
            {P::kTxtSP_FOR, {" I32", "Dato Pila en P.Fijo 32 bits"}}, {P::kTxtSP_DATO, {"3"}}};
        QTest::newRow("POP reads the stack") << 12 << 0 << Cajas{
            {P::kTxtSP_DIR, {" @0x00809F01 ->", "Lee Pila (*SP--)"}}, {P::kTxtSP_DATO, {"3"}}};
        QTest::newRow("CALL: its target and the return address pushed") << 13 << 0 << Cajas{
            {P::kTxtCodInstr, {" [1] CALL"}}, {P::kTxtTipoInstr, {" [3]  Cond."}}, {P::kTxtModoDIR, {" -"}},
            {P::kTxtSRC_DIR1, {" @0x0080981C", "Inmediato"}}, {P::kTxtSP_DIR, {" @0x00809F01 <-"}},
            {P::kTxtSP_DATO, {"8427533"}}};
        QTest::newRow("LDF floating point") << 14 << 0 << Cajas{
            {P::kTxtTipoDatos, {" F40", "Operacion P.Flotante 40 bits"}}, {P::kTxtSRC_DIR1, {" 1.5"}},
            {P::kTxtDST_FOR1, {" F40", "Resultado en P.Flotante 40 bits"}}, {P::kTxtDST_DATO1, {"1.5"}}};
        QTest::newRow("RETSU pops the return address") << 15 << 0 << Cajas{
            {P::kTxtCodInstr, {" [11] RETScond"}}, {P::kTxtSP_DIR, {" @0x00809F01 ->"}},
            {P::kTxtSP_DATO, {"8427533"}}, {P::kTxtCond0, {" U  "}}};
        QTest::newRow("MPYI3||ADDI3") << 18 << 0 << Cajas{
            {P::kTxtTipoInstr, {" [4]  Mul_Sum_Res"}}, {P::kTxtModoDIR, {" (P=00) S3*S4->D1 | S1\u00B1S2->D2"}},
            {P::kTxtDST_DIR1, {" R0"}}, {P::kTxtDST_DIR2, {" R2"}}, {P::kTxtSRC_DIR1, {" R5"}}, {P::kTxtSRC_DIR2, {" R1"}},
            {P::kTxtSRC_DIR3, {" *AR1", "Indirecto [@0x00809825]"}}, {P::kTxtSRC_DIR4, {" *AR0", "Indirecto [@0x00809823]"}},
            {P::kTxtDST_DATO1, {"1140100"}}, {P::kTxtDST_DATO2, {"6"}}};
        QTest::newRow("STI||STI") << 19 << 0 << Cajas{
            {P::kTxtCodInstr, {" [1] STI||STI"}}, {P::kTxtTipoInstr, {" [6]  Arit_Carg"}}, {P::kTxtModoDIR, {" -"}},
            {P::kTxtDST_DIR1, {" *AR2", "Indirecto [@0x00809825]"}}, {P::kTxtDST_DIR2, {" *AR1++( 1)", "Indirecto [@0x00809825]"}},
            {P::kTxtSRC_DIR1, {" R5"}}, {P::kTxtSRC_DIR2, {" R1"}}};
        QTest::newRow("LDI||LDI") << 20 << 0 << Cajas{
            {P::kTxtSRC_DIR1, {" *-AR0( 1)"}}, {P::kTxtSRC_DIR2, {" *AR1"}}, {P::kTxtDST_DIR1, {" R7"}}, {P::kTxtDST_DIR2, {" R6"}}};
        QTest::newRow("ADDI3||STI") << 21 << 0 << Cajas{
            {P::kTxtCodInstr, {" [7] ADDI3||STI"}}, {P::kTxtDST_DIR1, {" R6"}}, {P::kTxtDST_DIR2, {" *AR1"}},
            {P::kTxtSRC_DIR1, {" R1"}}, {P::kTxtSRC_DIR2, {" *AR0"}}, {P::kTxtSRC_DIR3, {" R5"}}};
        QTest::newRow("BU register form") << 23 << 0 << Cajas{
            {P::kTxtCodInstr, {" [4] Bcond(D)"}}, {P::kTxtModoDIR, {" (B=0) Registro"}},
            {P::kTxtSRC_DIR1, {" AR3", "Registro"}}, {P::kTxtCond0, {" U  "}}};
        QTest::newRow("BZ PC-relative") << 24 << 0 << Cajas{
            {P::kLblPC, {" 00809816"}}, {P::kTxtModoDIR, {" (B=1) Relativo a PC"}},
            {P::kTxtSRC_DIR1, {" +4", "Relativo a PC"}}, {P::kTxtCond0, {" EQ ", "Igual a"}}, {P::kTxtCond1, {" Z"}}};
        QTest::newRow("BRD: delayed") << 25 << 1 << Cajas{
            {P::kTxtCodInstr, {" [0] BR(D)"}}, {P::kTxtSRC_DIR1, {" @0x0080981B"}}};
    }
    void explainsEachInstructionRun() {
        QFETCH(int, pasos);
        QFETCH(int, chkD);
        QFETCH(Cajas, cajas);
        P p;
        const QString fallo = Diferencias(p, "ppl_detalle", pasos, cajas);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QCOMPARE(int(p.ChkD()), chkD);
    }

    // Parallel pairs: a load or a one-source operation with a store has no first
    // source register (its source is the memory operand) and no format tag
    // beside it; two loads read two memory operands, each paired with its
    // destination (bits 15-8 with bits 21-19); an operation with two sources
    // shows its register.
    void parallelPairsShowOnlyTheirSources_data() {
        QTest::addColumn<int>("pasos");
        QTest::addColumn<Cajas>("cajas");
        const auto unaFuente = [](const char* nem, const char* dst1, const char* src2, const char* dato2,
                                  const char* src3) {
            return Cajas{{P::kTxtCodInstr, {nem}}, {P::kTxtSRC_DIR1, {" - ", ""}}, {P::kTxtSRC_DATO1, {""}},
                         {P::kTxtTipoDatos, {" -", "No hay dato"}}, {P::kTxtSRC_DIR2, {src2}}, {P::kTxtSRC_DATO2, {dato2}}, {P::kTxtSRC_DIR3, {src3}},
                         {P::kTxtDST_DIR1, {dst1}}, {P::kTxtDST_DIR2, {" *AR1++( 1)"}}};
        };
        QTest::newRow("LDF||STF") << 9 << unaFuente(" [12] LDF||STF", " R4", " *AR0", "-2.5", " R1");
        QTest::newRow("LDI||STI") << 10 << unaFuente(" [13] LDI||STI", " R5", " *AR2", "12", " R2");
        QTest::newRow("ABSF||STF") << 11 << unaFuente(" [4] ABSF||STF", " R6", " *AR0", "-2.5", " R4");
        QTest::newRow("ABSI||STI") << 12 << unaFuente(" [5] ABSI||STI", " R7", " *AR3", "-9", " R5");
        QTest::newRow("NEGF||STF") << 13 << unaFuente(" [17] NEGF||STF", " R6", " *AR0", "-2.5", " R6");
        QTest::newRow("NEGI||STI") << 14 << unaFuente(" [18] NEGI||STI", " R7", " *AR2", "12", " R7");
        QTest::newRow("NOT||STI") << 15 << unaFuente(" [19] NOT||STI", " R3", " *AR2", "12", " R7");
        QTest::newRow("FIX||STI") << 16 << unaFuente(" [10] FIX||STI", " R3", " *AR0", "-2.5", " R5");
        QTest::newRow("FLOAT||STF") << 17 << unaFuente(" [11] FLOAT||STF", " R6", " *AR2", "12", " R1");
        QTest::newRow("LDF||LDF") << 18 << Cajas{
            {P::kTxtCodInstr, {" [2] LDF||LDF"}}, {P::kTxtSRC_DIR1, {" *AR4"}}, {P::kTxtSRC_DATO1, {"4"}},
            {P::kTxtSRC_DIR2, {" *AR0"}}, {P::kTxtSRC_DATO2, {"-2.5"}}, {P::kTxtSRC_DIR3, {" - ", ""}},
            {P::kTxtDST_DIR1, {" R1"}}, {P::kTxtDST_DIR2, {" R0"}}};
        QTest::newRow("LDI||LDI") << 19 << Cajas{
            {P::kTxtCodInstr, {" [3] LDI||LDI"}}, {P::kTxtSRC_DIR1, {" *AR3"}}, {P::kTxtSRC_DIR2, {" *AR2"}},
            {P::kTxtSRC_DIR3, {" - ", ""}}, {P::kTxtDST_DIR1, {" R2"}}, {P::kTxtDST_DIR2, {" R0"}}};
        QTest::newRow("ADDF3||STF: two sources") << 20 << Cajas{
            {P::kTxtCodInstr, {" [6] ADDF3||STF"}}, {P::kTxtSRC_DIR1, {" R1", "Registro"}},
            {P::kTxtSRC_DATO1, {"4"}}, {P::kTxtTipoDatos, {" F40", "Operacion P.Flotante 40 bits"}}, {P::kTxtSRC_DIR2, {" *AR0"}}, {P::kTxtSRC_DIR3, {" R4"}},
            {P::kTxtDST_DIR1, {" R4"}}, {P::kTxtDST_DIR2, {" *AR1++( 1)"}}};
        QTest::newRow("LDINUF: condition 14") << 21 << Cajas{
            {P::kTxtCond0, {" NUF ", "No desbordamiento negativo"}},
            {P::kTxtCond1, {" ~UF", "No desbordamiento negativo"}}, {P::kTxtDST_DATO1, {"1"}}};
    }
    void parallelPairsShowOnlyTheirSources() {
        ComprobarFila("ppl_paralelos");
    }

    // Words that leave operand fields unused (the source field of NOP, PUSH,
    // ROL; the destination field of NOP, IACK, CMPI3; every field of SIGI,
    // SWI, RETS, TRAP, IDLE) show no operand there: a dash, no value, and no
    // format tag beside an empty first source.
    void eachInstructionShowsOnlyItsOperands_data() {
        QTest::addColumn<int>("pasos");
        QTest::addColumn<Cajas>("cajas");
        const Cajas nada = {{P::kTxtSRC_DIR1, {" - ", ""}}, {P::kTxtSRC_DATO1, {""}},
                            {P::kTxtTipoDatos, {" -", "No hay dato"}}, {P::kTxtSRC_DIR2, {" - ", ""}},
                            {P::kTxtSRC_DATO2, {""}}, {P::kTxtSRC_DIR3, {" - "}}, {P::kTxtSRC_DATO3, {""}},
                            {P::kTxtSRC_DIR4, {" - "}}, {P::kTxtSRC_DATO4, {""}}, {P::kTxtDST_DIR1, {" - ", ""}},
                            {P::kTxtDST_DATO1, {""}}, {P::kTxtDST_FOR1, {" -", "No hay dato"}},
                            {P::kTxtDST_DIR2, {" - ", ""}}, {P::kTxtDST_DATO2, {""}},
                            {P::kTxtDST_FOR2, {" -", "No hay dato"}}};
        // The boxes of `nada` with the ones given in their place.
        const auto con = [&](const char* nem, const Cajas& otras) {
            Cajas c = nada;
            c.insert_or_assign(P::kTxtCodInstr, Esperado(nem));
            for (const auto& [id, e] : otras) c.insert_or_assign(id, e);
            return c;
        };
        const auto soloDestino = [&](const char* nem, const char* dst, const char* dato, const char* formato) {
            return con(nem, {{P::kTxtDST_DIR1, {dst, "Registro"}}, {P::kTxtDST_DATO1, {dato}},
                             {P::kTxtDST_FOR1, {formato}}});
        };
        QTest::newRow("NOP") << 7 << con(" [25] NOP", {{P::kTxtModoDIR, {" (G=00) Registro - S1 op D1 -> D1"}}});
        QTest::newRow("NOP *AR3++: its address update") << 8 << con(" [25] NOP", {
            {P::kTxtSRC_DIR1, {" *AR3++( 1)", "Indirecto [@0x00809823]"}}, {P::kTxtSRC_DATO1, {"10"}},
            {P::kTxtTipoDatos, {" I32", "Operacion P.Fijo de 32 bits"}}});
        QTest::newRow("LDI: a source and a destination") << 9 << con(" [16] LDI", {
            {P::kTxtSRC_DIR1, {" 5", "Inmediato"}}, {P::kTxtSRC_DATO1, {"5"}}, {P::kTxtTipoDatos, {" I32"}},
            {P::kTxtDST_DIR1, {" R1"}}, {P::kTxtDST_DATO1, {"5"}}, {P::kTxtDST_FOR1, {" I32"}}});
        QTest::newRow("PUSH") << 10 << soloDestino(" [30] PUSH", " R1", "5", " I32");
        QTest::newRow("POP") << 11 << soloDestino(" [28] POP", " R2", "5", " I32");
        QTest::newRow("PUSHF") << 13 << soloDestino(" [31] PUSHF", " R3", "", " -");
        QTest::newRow("POPF") << 14 << soloDestino(" [29] POPF", " R4", "1.5", " F40");
        QTest::newRow("ROL") << 15 << soloDestino(" [35] ROL", " R1", "10", " I32");
        QTest::newRow("ROLC") << 16 << soloDestino(" [36] ROLC", " R1", "20", " I32");
        QTest::newRow("ROR") << 17 << soloDestino(" [37] ROR", " R1", "10", " I32");
        QTest::newRow("RORC") << 18 << soloDestino(" [38] RORC", " R1", "5", " I32");
        const auto compara = [&](const char* nem, const char* dato1, const char* dato2, const char* tipo) {
            return con(nem, {{P::kTxtSRC_DIR1, {" R2", "Registro"}}, {P::kTxtSRC_DATO1, {dato1}},
                             {P::kTxtSRC_DIR2, {" R1", "Registro"}}, {P::kTxtSRC_DATO2, {dato2}},
                             {P::kTxtTipoDatos, {tipo}}});
        };
        QTest::newRow("CMPI3") << 19 << compara(" [7] CMPI3", "5", "5", " I32");
        QTest::newRow("CMPF3") << 20 << con(" [6] CMPF3", {
            {P::kTxtSRC_DIR1, {" R4"}}, {P::kTxtSRC_DATO1, {"1.5"}}, {P::kTxtSRC_DIR2, {" R3"}},
            {P::kTxtSRC_DATO2, {"1.5"}}, {P::kTxtTipoDatos, {" F40", "Operacion P.Flotante 40 bits"}}});
        QTest::newRow("TSTB3") << 21 << compara(" [15] TSTB3", "5", "5", " I32");
        QTest::newRow("SIGI") << 22 << con(" [44] SIGI", {});
        QTest::newRow("IACK *AR3") << 23 << con(" [54] IACK", {
            {P::kTxtSRC_DIR1, {" *AR3", "Indirecto [@0x00809824]"}}, {P::kTxtSRC_DATO1, {"20"}},
            {P::kTxtTipoDatos, {" I32"}}});
        QTest::newRow("LOPOWER") << 24 << con(" [33] LOPOWER(ó)MAXSPEED", {});
        QTest::newRow("MAXSPEED") << 25 << con(" [33] LOPOWER(ó)MAXSPEED", {});
        QTest::newRow("SWI") << 26 << con(" [3] SWI", {});
        QTest::newRow("CALL: its target") << 27 << con(" [1] CALL", {
            {P::kTxtSRC_DIR1, {" @0x0080981D", "Inmediato"}}, {P::kTxtSRC_DATO1, {"8427549"}},
            {P::kTxtTipoDatos, {" I32"}}});
        QTest::newRow("RETSU") << 28 << con(" [11] RETScond", {{P::kTxtSP_DIR, {" @0x00809F01 ->"}}});
        QTest::newRow("TRAPU 2") << 29 << con(" [10] TRAPcond", {{P::kTxtCondN, {" 2"}}});
        QTest::newRow("RETIU") << 30 << con(" [12] RETIcond", {{P::kTxtSP_DIR, {" @0x00809F01 ->"}}});
        QTest::newRow("BR: its target") << 31 << con(" [0] BR(D)", {
            {P::kTxtSRC_DIR1, {" @0x0080981F"}}, {P::kTxtSRC_DATO1, {"8427551"}}, {P::kTxtTipoDatos, {" I32"}}});
        QTest::newRow("IDLE") << 32 << con(" [12] IDLE", {});
    }
    void eachInstructionShowsOnlyItsOperands() {
        ComprobarFila("ppl_operandos");
    }

    // A floating-point store carries the single-format word it writes, and NORM
    // the memory word it takes: the panel shows each as the float it holds.
    void storedWordsShowAsFloats_data() {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<int>("pasos");
        QTest::addColumn<Cajas>("cajas");
        QTest::newRow("STF") << "ppl_almacen" << 5 << Cajas{
            {P::kTxtCodInstr, {" [40] STF"}}, {P::kTxtSRC_DATO1, {"1.5"}}};
        QTest::newRow("PUSHF") << "ppl_almacen" << 6 << Cajas{
            {P::kTxtCodInstr, {" [31] PUSHF"}}, {P::kTxtSP_FOR, {" F40", "Dato Pila en P.Flotante 40 bits"}},
            {P::kTxtSP_DATO, {"1.5"}}};
        QTest::newRow("NORM of a memory word") << "ppl_almacen" << 7 << Cajas{
            {P::kTxtCodInstr, {" [26] NORM"}}, {P::kTxtSRC_DATO1, {"3"}}};
        QTest::newRow("STF||STF") << "ppl_almacen" << 9 << Cajas{
            {P::kTxtCodInstr, {" [0] STF||STF"}}, {P::kTxtSRC_DATO1, {"-2.5"}}, {P::kTxtSRC_DATO2, {"1.5"}}};
        QTest::newRow("LDF||STF") << "ppl_paralelos" << 9 << Cajas{{P::kTxtSRC_DATO3, {"1.5"}}};
        QTest::newRow("ADDF3||STF") << "ppl_paralelos" << 20 << Cajas{{P::kTxtSRC_DATO3, {"-2.5"}}};
        QTest::newRow("LDI||STI stays an integer") << "ppl_paralelos" << 10 << Cajas{{P::kTxtSRC_DATO3, {"7"}}};
    }
    void storedWordsShowAsFloats() {
        QFETCH(QString, programa);
        ComprobarFila(programa.toStdString());
    }

    // With the pipeline, the decode stage's record has its fields but no values yet.
    void decodeStageBeforeItsOperandsAreRead() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
        // SUBI3 (the 7th word) is decoded in cycle 10: LDI @pila,SP right
        // behind LDP waits two cycles for DP.
        pplprueba::Ciclos(10);
        P p;
        p.MostrarUnidadSeg(gPPL->Decodificacion());
        QString fallo;
        QVERIFY2(Coinciden(p, {{P::kTxtCodInstr, {" [14] SUBI3"}}, {P::kLblPC, {" 00809806"}}, {P::kLblCanal, {"  3"}},
                               {P::kTxtSRC_DIR1, {" *AR0++( 1)"}}, {P::kTxtSRC_DATO1, {""}}, {P::kTxtDST_DATO1, {""}},
                               {P::kTxtDST_FOR1, {" -", "No hay dato"}}},
                           fallo),
                 qPrintable(fallo));
    }

    // An emptied stage shows its header and dashes, and nothing of the
    // instruction the panel showed before.
    void emptiedRecordAfterAnInstruction() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 1));
        pplprueba::Ciclos(11);   // PUSH: stack, values, condition boxes filled
        P p;
        p.MostrarUnidadSeg(gPPL->Ejecucion());
        p.MostrarUnidadSeg(ClassUnitData{});
        QString fallo;
        QVERIFY2(Coinciden(p, {{P::kTxtCodInstr, {" [0]  - "}}, {P::kLblPC, {" 00000000"}}, {P::kLblCanal, {"  0"}},
                               {P::kTxtTipoInstr, {" -"}}, {P::kTxtModoDIR, {" -"}}, {P::kTxtSRC_DIR1, {" - ", ""}},
                               {P::kTxtDST_DIR1, {" - "}}, {P::kTxtDST_FOR1, {" - "}}, {P::kTxtSRC_DATO1, {""}},
                               {P::kTxtDST_DATO1, {""}}, {P::kTxtSP_DIR, {"", ""}}, {P::kTxtSP_DATO, {""}},
                               {P::kTxtTipoDatos, {""}}, {P::kTxtCond0, {""}}, {P::kTxtCondN, {""}}},
                           fallo),
                 qPrintable(fallo));
    }

    // Numbers outside the tables show "<ERR>", never fail.
    void outOfTableNumbers() {
        ClassUnitData r;
        r.LTipoIntr = 0;
        r.iModoDireccion = 2;
        r.lModoArn1 = 27;
        r.lIndArn1 = 2;
        r.lAddrArn1 = 0x809801;
        r.lIndDst1 = 28;
        r.lCond = 21;
        P p;
        p.MostrarUnidadSeg(r);
        QString fallo;
        QVERIFY2(Coinciden(p, {{P::kTxtSRC_DIR1, {" <ERR>", "Indirecto [@0x00809801]"}}, {P::kTxtDST_DIR1, {" <ERR>"}},
                               {P::kTxtCond0, {" <ERR> ", "<ERR>"}}, {P::kTxtCond1, {" <ERR>", "<ERR>"}}},
                           fallo),
                 qPrintable(fallo));
        // Code 11 names no condition: the boxes show nothing, not the last condition.
        r.lCond = 11;
        p.MostrarUnidadSeg(r);
        QCOMPARE(p.Texto(P::kTxtCond0), std::string());
        QCOMPARE(p.Texto(P::kTxtCond1), std::string());
        // Group 5 has no instructions: its number alone.
        r.LTipoIntr = 5;
        p.MostrarUnidadSeg(r);
        QCOMPARE(p.Texto(P::kTxtTipoInstr), std::string(" [5] "));
        QCOMPARE(p.Texto(P::kTxtSRC_DIR1), std::string(" - "));
    }

    void pcRelativeDisplacementSign() {
        ClassUnitData r;
        r.LTipoIntr = 3;
        r.lCodigoInstr(grupo3::DBCOND_REG);
        r.bBitB = true;
        P p;
        for (auto [disp, texto] : {std::pair{0, " +"}, std::pair{-3, " -3"}, std::pair{32767, " +32767"}}) {
            r.lDisp = disp;
            p.MostrarUnidadSeg(r);
            QCOMPARE(p.Texto(P::kTxtSRC_DIR1), std::string(texto));
        }
    }

    void lookupsAndNumberTexts() {
        QCOMPARE(P::NombreRegistro(0), std::string(" R0"));
        QCOMPARE(P::NombreRegistro(27), std::string(" RC"));
        QCOMPARE(P::NombreRegistro(-1), std::string(" <ERR>"));
        QCOMPARE(P::ModoIndirecto(25), std::string(" *AR#++(IR0)B"));
        QCOMPARE(P::ModoIndirecto(26), std::string(" <ERR>"));
        QCOMPARE(P::TextoCondicion(20), std::string(" ZUF # Z or UF|Cero o desbordamiento negativo de P.Flotante"));
        QCOMPARE(P::FormatearIndirecto(0, 3, 5), std::string(" *+AR3( 5)"));
        QCOMPARE(P::FormatearIndirecto(1, 7, -2), std::string(" *-AR7(-2)"));
        QCOMPARE(P::FormatearIndirecto(22, 4, 1), std::string(" *AR4++(IR1)%"));
        QCOMPARE(P::FormatearIndirecto(30, 4, 1), std::string(" <ERR>"));
        QCOMPARE(P::TextoStr(0), std::string(" 0"));
        QCOMPARE(P::TextoStr(-5), std::string("-5"));
        struct Caso {
            Valor v;
            char sep;
            const char* texto;
        };
        for (const Caso& c : {Caso{Valor::Vacio(), '.', ""}, Caso{Valor::Entero(-2147483647 - 1), '.', "-2147483648"},
                              Caso{Valor::Doble(1.5), ',', "1,5"}, Caso{Valor::Doble(-0.25), '.', "-0.25"},
                              Caso{Valor::Doble(1e20), '.', "1E+20"}, Caso{Valor::Doble(1e-5), '.', "1E-05"},
                              Caso{Valor::Doble(-0.0), '.', "0"}, Caso{Valor::Doble(1.0 / 3), '.', "0.333333333333333"}})
            QCOMPARE(P::TextoValor(c.v, c.sep), std::string(c.texto));
    }
};

QTEST_MAIN(TestPanelDetalle)
#include "test_ppl_panel.moc"
