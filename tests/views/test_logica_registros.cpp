// The register window's logic: boxes, changed marks, formats, the edit
// protocol and the bit panels.
#include <QtTest>

#include "core/ConversionesNum.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FixtureListado.h"
#include "views/LogicaRegistros.h"

using L = LogicaRegistros;

namespace {

// The main window's format menu: records the items and answers with `eleccion`
// (-1: closed without a choice).
struct MenuFalso : IMenuFormato {
    int16_t resultado = -9;
    int16_t eleccion = -1;
    bool activo[5] = {}, marcado[5] = {};
    int16_t ResultadoPopUpMenu() const override { return resultado; }
    void ResultadoPopUpMenu(int16_t v) override { resultado = v; }
    void Elemento(int16_t k, bool m, bool a) override {
        marcado[k] = m;
        activo[k] = a;
    }
    void Mostrar() override {
        if (eleccion >= 0) resultado = eleccion;
    }
};

std::vector<std::string> Cursivas(const L& r) {
    std::vector<std::string> v;
    for (int a = 0; a < 3; ++a)
        for (int i = 0; i < L::kNumCajas[a]; ++i)
            if (r.CajaDe(L::Arreglo(a), i).cursiva) v.push_back(L::Boton(L::Arreglo(a), i));
    return v;
}

// Types `texto` into a box and leaves it as the user does.
L::Salida Teclear(L& r, L::Arreglo a, int i, const std::string& texto, bool intro = false) {
    r.GotFocus(a, i);
    r.CajaDe(a, i).texto = texto;
    if (intro) r.KeyPress(a, i, 13);
    return r.LostFocus(a, i);
}

}  // namespace

class TestLogicaRegistros : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture::Cargar(); }

    void loadShowsHexadecimalAndNothingMarked() {
        gRegistros->AR(3, 0x2A);
        L r;
        r.Cargar();
        QCOMPARE(r.CajaDe(L::kTxtReg, 0).texto, std::string("00809800"));
        QCOMPARE(r.CajaDe(L::kTxtReg, 5).texto, std::string("0000002A"));
        QCOMPARE(r.CajaDe(L::kTxtRegEXT, 0).texto, FormatoHexExt(gRegistros->R(0)));
        QCOMPARE(r.CajaDe(L::kTxtRegBIT, 3).texto, std::string("00000000"));
        QVERIFY(Cursivas(r).empty());
    }

    void italicsExactlyOnChangedRegisters_data() {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QStringList>("marcadas");
        QTest::newRow("AR3 y SP") << 0 << QStringList{"AR3", "SP"};
        QTest::newRow("solo el exponente de R2") << 1 << QStringList{"R2"};
        QTest::newRow("PC nunca") << 2 << QStringList{};
        QTest::newRow("bits") << 3 << QStringList{"ST*", "IE*", "I0F*"};
        // A reset writes the exponent -128 as 128: the same 8-bit exponent.
        QTest::newRow("exponente igual en 8 bits") << 4 << QStringList{};
    }
    void italicsExactlyOnChangedRegisters() {
        QFETCH(int, caso);
        QFETCH(QStringList, marcadas);
        L r;
        r.Cargar();
        switch (caso) {
        case 0: gRegistros->AR(3, 1); gRegistros->SP(0x809F00); break;
        case 1: gRegistros->R(2).HI(5); break;
        case 2: gRegistros->PC(0x809801); break;
        case 4: gRegistros->R(4).HI(gRegistros->R(4).HI() ^ int32_t(0xFFFFFF00)); break;
        default: gRegistros->ST(0x2000); gRegistros->IE(1); gRegistros->IOF(2); break;
        }
        r.Refrescar();
        QStringList hay;
        for (const auto& s : Cursivas(r)) hay << QString::fromStdString(s);
        QCOMPARE(hay, marcadas);
        // A second refresh without change clears every mark.
        r.Refrescar();
        QVERIFY(Cursivas(r).empty());
    }

    void clearMarksAndResetRegisters() {
        L r;
        r.Cargar();
        gRegistros->AR(0, 7);
        gRegistros->R(1).LO(9);
        r.Refrescar();
        QCOMPARE(Cursivas(r).size(), size_t(2));
        r.CmdLimpiar();
        QVERIFY(Cursivas(r).empty());
        gRegistros->AR(0, 8);
        r.CmdResetReg();
        QCOMPARE(gRegistros->AR(0), 0);
        QCOMPARE(gRegistros->PC(), 0);
        QCOMPARE(r.CajaDe(L::kTxtReg, 2).texto, std::string("00000000"));
        QCOMPARE(r.CajaDe(L::kTxtRegEXT, 1).texto, FormatearValorExt(gRegistros->R(1), 0));
        QVERIFY(Cursivas(r).empty());
    }

    void formatMenuOffersTheRegistersFormats_data() {
        QTest::addColumn<int>("arreglo");
        QTest::addColumn<int>("caja");
        QTest::addColumn<int>("mascara");
        QTest::newRow("PC") << 0 << 0 << 1;
        QTest::newRow("DP") << 0 << 1 << 3;
        QTest::newRow("AR5") << 0 << 7 << 31;
        QTest::newRow("RS") << 0 << 10 << 1;
        QTest::newRow("RC") << 0 << 12 << 3;
        QTest::newRow("BK") << 0 << 13 << 3;
        QTest::newRow("SP") << 0 << 14 << 1;
        QTest::newRow("IR1") << 0 << 16 << 7;
        QTest::newRow("R7") << 1 << 7 << 31;
    }
    void formatMenuOffersTheRegistersFormats() {
        QFETCH(int, arreglo);
        QFETCH(int, caja);
        QFETCH(int, mascara);
        L r;
        r.Cargar();
        MenuFalso menu;
        r.CmdReg_Click(L::Arreglo(arreglo), caja, menu);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(menu.activo[k], bool((mascara >> k) & 1));
            QCOMPARE(menu.marcado[k], k == 0);
        }
        // Closed without a choice: the format stays.
        QCOMPARE(r.CajaDe(L::Arreglo(arreglo), caja).formato, int16_t(0));
    }

    void changingAFormatRewritesAndKeepsMarks() {
        L r;
        r.Cargar();
        gRegistros->IR(0, -5);
        r.Refrescar();
        MenuFalso menu;
        menu.eleccion = 2;
        r.CmdReg_Click(L::kTxtReg, 15, menu);
        QCOMPARE(r.CajaDe(L::kTxtReg, 15).formato, int16_t(2));
        QCOMPARE(r.CajaDe(L::kTxtReg, 15).texto, std::string("-5"));
        QVERIFY(r.CajaDe(L::kTxtReg, 15).cursiva);
        // The next pop-up starts from the chosen format.
        menu.eleccion = -1;
        r.CmdReg_Click(L::kTxtReg, 15, menu);
        QVERIFY(menu.marcado[2]);
        QCOMPARE(r.CajaDe(L::kTxtReg, 15).formato, int16_t(2));
    }

    void enterWritesTheRegister() {
        L r;
        r.Cargar();
        int principal = 0;
        r.refrescarPrincipal = [&] { ++principal; };
        r.GotFocus(L::kTxtReg, 14);
        r.CajaDe(L::kTxtReg, 14).texto = "809f00";
        QVERIFY(r.KeyPress(L::kTxtReg, 14, 13));
        QCOMPARE(gRegistros->SP(), 0x809F00);
        QCOMPARE(r.CajaDe(L::kTxtReg, 14).texto, std::string("00809F00"));
        QCOMPARE(Cursivas(r), std::vector<std::string>{"SP"});
        QCOMPARE(principal, 0);
        // Leaving after Enter writes no second time: the mark stays.
        QCOMPARE(r.LostFocus(L::kTxtReg, 14), L::Salida::Hecha);
        QCOMPARE(Cursivas(r), std::vector<std::string>{"SP"});
        // A new PC refreshes every view through the main window.
        QCOMPARE(Teclear(r, L::kTxtReg, 0, "00809801"), L::Salida::Hecha);
        QCOMPARE(gRegistros->PC(), 0x809801);
        QCOMPARE(principal, 1);
    }

    void escapePutsTheEntryTextBack() {
        L r;
        r.Cargar();
        r.GotFocus(L::kTxtRegBIT, 0);
        r.CajaDe(L::kTxtRegBIT, 0).texto = "zz";
        QVERIFY(!r.KeyPress(L::kTxtRegBIT, 0, 27));
        QCOMPARE(r.CajaDe(L::kTxtRegBIT, 0).texto, std::string("00000000"));
        QCOMPARE(r.LostFocus(L::kTxtRegBIT, 0), L::Salida::Hecha);
    }

    void invalidTextIsRefused_data() {
        QTest::addColumn<int>("arreglo");
        QTest::addColumn<int>("caja");
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("salida");
        QTest::addColumn<bool>("intro");
        const int inv = int(L::Salida::Invalida), volver = int(L::Salida::VolverFoco);
        QTest::newRow("AR3 hex") << 0 << 5 << 0 << "12G4" << inv << false;
        QTest::newRow("AR3 sin signo con letras") << 0 << 5 << 1 << "12abc" << inv << false;
        QTest::newRow("AR3 vacio") << 0 << 5 << 2 << "" << inv << false;
        QTest::newRow("AR3 con signo, Intro") << 0 << 5 << 2 << "abc" << int(L::Salida::Hecha) << true;
        QTest::newRow("AR3 flotante") << 0 << 5 << 3 << "1.5x" << inv << false;
        QTest::newRow("ST") << 2 << 0 << 0 << "hola" << volver << false;
        QTest::newRow("R4 hex de 11 cifras") << 1 << 4 << 0 << "12345678901" << volver << false;
        QTest::newRow("R4 con signo") << 1 << 4 << 2 << "abc" << volver << false;
        QTest::newRow("R4 con signo, Intro") << 1 << 4 << 2 << "abc" << int(L::Salida::Hecha) << true;
    }
    void invalidTextIsRefused() {
        QFETCH(int, arreglo);
        QFETCH(int, caja);
        QFETCH(int, formato);
        QFETCH(QString, texto);
        QFETCH(int, salida);
        QFETCH(bool, intro);
        prueba::CuadrosFalsos cuadros;
        gRegistros->AR(3, 77);
        gRegistros->ST(0x11);
        gRegistros->R(4).LO(0x1234);
        const ClassRegistrosCPU antes = *gRegistros;
        L r;
        r.Cargar();
        const auto a = L::Arreglo(arreglo);
        r.CajaDe(a, caja).formato = int16_t(formato);
        r.RefrescarTxtReg();
        const std::string valor = r.CajaDe(a, caja).texto;
        QCOMPARE(int(Teclear(r, a, caja, texto.toStdString(), intro)), salida);
        QCOMPARE(gRegistros->AR(3), antes.AR(3));
        QCOMPARE(gRegistros->ST(), antes.ST());
        QVERIFY(gRegistros->R(4) == antes.R(4));
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, "<" + texto.toStdString() + "> no es un representación numérica valida");
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Validación Numérica"));
        QCOMPARE(cuadros.mostrados[0].botonAyuda, false);
        // The box shows the register again, in its own format; leaving it once
        // more (the box that keeps the focus) shows no second message.
        QCOMPARE(r.CajaDe(a, caja).texto, valor);
        QCOMPARE(r.LostFocus(a, caja), L::Salida::Hecha);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        r.GotFocus(a, caja);
        r.KeyPress(a, caja, 27);
        QCOMPARE(r.CajaDe(a, caja).texto, valor);
    }

    void validTextsInEachFormat_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("valor");
        QTest::newRow("hex") << 0 << "ffffffff" << -1;
        QTest::newRow("sin signo con blanco") << 1 << " 42" << 42;
        QTest::newRow("con signo") << 2 << "-42" << -42;
        QTest::newRow("TMS") << 3 << "+1.500000e+00" << 0x00400000;
        QTest::newRow("TMS sin exponente") << 3 << "-1" << int(0xFF800000);
    }
    void validTextsInEachFormat() {
        QFETCH(int, formato);
        QFETCH(QString, texto);
        QFETCH(int, valor);
        L r;
        r.Cargar();
        r.CajaDe(L::kTxtReg, 2).formato = int16_t(formato);
        QCOMPARE(Teclear(r, L::kTxtReg, 2, texto.toStdString()), L::Salida::Hecha);
        QCOMPARE(gRegistros->AR(0), valor);
    }

    // An extended register has no single-precision word: its IEEE box shows
    // the register's value and a number typed there becomes that value.
    void ieeeBoxOfAnExtendedRegisterHoldsItsValue_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("1.5") << "1.5" << 1.5 << "+1.500000e+00";
        QTest::newRow("-0.25") << "-0.25" << -0.25 << "-2.500000e-01";
        QTest::newRow("1e30") << "1e30" << 1e30 << "+1.000000e+30";
        QTest::newRow("cero") << "0" << 0.0 << "+0.000000e+00";
    }
    void ieeeBoxOfAnExtendedRegisterHoldsItsValue() {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QFETCH(QString, mostrado);
        gRegistros->R(2).HI(0);
        gRegistros->R(2).LO(0x40000000);   // 1.5
        L r;
        r.Cargar();
        r.CajaDe(L::kTxtRegEXT, 2).formato = 4;
        r.RefrescarTxtReg();
        QCOMPARE(r.CajaDe(L::kTxtRegEXT, 2).texto, std::string("+1.500000e+00"));
        gRegistros->R(2).HI(5);
        QCOMPARE(Teclear(r, L::kTxtRegEXT, 2, texto.toStdString()), L::Salida::Hecha);
        ClassRegistrosRn esperado;
        ConvertirDobleAFlotExt(valor, esperado);
        QVERIFY(gRegistros->R(2) == esperado);
        QCOMPARE(r.CajaDe(L::kTxtRegEXT, 2).texto, mostrado.toStdString());
        QCOMPARE(FormatearValorExt(gRegistros->R(2), 3), mostrado.toStdString());
    }

    // Leaving a float box without typing keeps the unrounded value.
    void leavingUntouchedWritesNothing() {
        gRegistros->R(0).HI(0);
        gRegistros->R(0).LO(0x12345677);
        gRegistros->AR(1, 3);
        L r;
        r.Cargar();
        r.CajaDe(L::kTxtRegEXT, 0).formato = 3;
        r.RefrescarTxtReg();
        gRegistros->AR(1, 4);
        r.Refrescar();
        r.GotFocus(L::kTxtRegEXT, 0);
        QCOMPARE(r.LostFocus(L::kTxtRegEXT, 0), L::Salida::Hecha);
        QCOMPARE(gRegistros->R(0).LO(), 0x12345677);
        QCOMPARE(Cursivas(r), std::vector<std::string>{"AR1"});
    }

    // The box keeps the focus while its format changes (the pop-up menu takes
    // and gives back the focus): every leaving finds no typed text.
    void formatSwitchesWriteNothing_data() {
        QTest::addColumn<int>("hi");
        QTest::addColumn<int>("lo");
        QTest::addColumn<QList<int>>("formatos");
        QTest::newRow("hexadecimal, TMS, hexadecimal") << 1 << 0x12345678 << QList<int>{3, 0};
        QTest::newRow("1.5 por TMS, IEEE, hexadecimal") << 0 << 0x40000000 << QList<int>{3, 4, 0};
        QTest::newRow("tercio por TMS, con signo") << -2 << 0x2AAAAAAB << QList<int>{3, 2, 3, 0};
    }
    void formatSwitchesWriteNothing() {
        QFETCH(int, hi);
        QFETCH(int, lo);
        QFETCH(QList<int>, formatos);
        gRegistros->R(6).HI(hi);
        gRegistros->R(6).LO(lo);
        const ClassRegistrosRn antes = gRegistros->R(6);
        L r;
        r.Cargar();
        MenuFalso menu;
        r.GotFocus(L::kTxtRegEXT, 6);
        for (int f : formatos) {
            QCOMPARE(r.LostFocus(L::kTxtRegEXT, 6), L::Salida::Hecha);
            r.GotFocus(L::kTxtRegEXT, 6);
            menu.eleccion = int16_t(f);
            r.CmdReg_Click(L::kTxtRegEXT, 6, menu);
            QVERIFY(gRegistros->R(6) == antes);
        }
        QCOMPARE(r.LostFocus(L::kTxtRegEXT, 6), L::Salida::Hecha);
        QVERIFY(gRegistros->R(6) == antes);
        QCOMPARE(r.CajaDe(L::kTxtRegEXT, 6).texto, FormatoHexExt(antes));
    }

    // A refresh while the user is in a box (a timed run) rewrites it; leaving
    // then writes nothing, and Escape gives the refreshed text.
    void refreshOfTheEditedBoxIsNoTyping() {
        gRegistros->AR(2, 0x00400000);   // 2.0 as a short float
        L r;
        r.Cargar();
        r.CajaDe(L::kTxtReg, 4).formato = 3;
        r.RefrescarTxtReg();
        r.GotFocus(L::kTxtReg, 4);
        gRegistros->AR(2, 0x0012345);
        r.Refrescar();
        const std::string mostrado = r.CajaDe(L::kTxtReg, 4).texto;
        QVERIFY(!r.KeyPress(L::kTxtReg, 4, 27));
        QCOMPARE(r.CajaDe(L::kTxtReg, 4).texto, mostrado);
        QCOMPARE(r.LostFocus(L::kTxtReg, 4), L::Salida::Hecha);
        QCOMPARE(gRegistros->AR(2), 0x0012345);
    }

    void newIEValueUpdatesItsBoxes() {
        L r;
        r.Cargar();
        QCOMPARE(Teclear(r, L::kTxtRegBIT, 2, "04000401"), L::Salida::Hecha);
        QCOMPARE(gRegistros->IE(), 0x04000401);
        QVERIFY(r.Casilla(L::kIE, 0));
        QVERIFY(r.Casilla(L::kIE, 10));
        QVERIFY(r.Casilla(L::kIE, 26));
        QVERIFY(!r.Casilla(L::kIE, 16));
        QCOMPARE(Cursivas(r), std::vector<std::string>{"IE*"});
    }

    void bitClickChangesOneBit() {
        gRegistros->ST(0x0200);   // bit 9 has no box
        L r;
        r.Cargar();
        r.Chc_Click(L::kST, 13, true);
        QCOMPARE(gRegistros->ST(), 0x2200);
        QCOMPARE(r.CajaDe(L::kTxtRegBIT, 0).texto, std::string("00002200"));
        QVERIFY(!r.CajaDe(L::kTxtRegBIT, 0).cursiva);
        r.Refrescar();
        QVERIFY(r.CajaDe(L::kTxtRegBIT, 0).cursiva);
        r.Chc_Click(L::kIOF, 6, true);
        r.Chc_Click(L::kIOF, 6, false);
        QCOMPARE(gRegistros->IOF(), 0);
        // A refresh sets the boxes and writes nothing back.
        gRegistros->IFR(-1);
        r.RefrescarTxtReg();
        QCOMPARE(gRegistros->IFR(), -1);
        QVERIFY(r.Casilla(L::kIF, 10));
        QVERIFY(!r.Casilla(L::kIF, 11));
    }

    void bitToolTips() {
        QCOMPARE(L::AyudaCasilla(L::kST, 13), std::string("GIE - Habilitación Global de Interrupciones (Bit 13)"));
        QCOMPARE(L::AyudaCasilla(L::kST, 0), std::string("C - Ind. de acarreo en op. sin signo (Bit 0)"));
        QCOMPARE(L::AyudaCasilla(L::kIF, 10), std::string("DINT - Ind. Interrupción controlador DMA (Bit 10)"));
        QCOMPARE(L::AyudaCasilla(L::kIE, 25),
                 std::string("ETINT1 - Hab. Interrupción temporizador 1 [DMA] (Bit 25)"));
        QCOMPARE(L::Etiqueta(L::kIOF, 6), std::string("0UT"));
        QVERIFY(!L::TieneCasilla(L::kST, 9));
        QVERIFY(!L::TieneCasilla(L::kIOF, 4));
    }

    void panelLevels() {
        L r;
        r.Cargar();
        QVERIFY(r.MasInfoActivo(0));
        QVERIFY(!r.MasInfoActivo(1));
        const int32_t altos[4] = {5525, 6020, 6770, 7265};
        for (int k = 0; k < 4; ++k) {
            r.CmdMasInfo_Click(0);
            QCOMPARE(r.NivelPanel(), k + 1);
            QCOMPARE(r.AltoObjetivo(), altos[k]);
        }
        QVERIFY(!r.MasInfoActivo(0));
        r.CmdMasInfo_Click(0);
        QCOMPARE(r.NivelPanel(), 4);
        for (int k = 0; k < 4; ++k) r.CmdMasInfo_Click(1);
        QCOMPARE(r.NivelPanel(), 0);
        QCOMPARE(r.AltoObjetivo(), 5000);
        QVERIFY(!r.MasInfoActivo(1));
        QVERIFY(r.MasInfoActivo(0));
    }

    void panelFloatsAndDocks() {
        L r;
        r.Cargar();
        const auto docked = r.PosicionPanel(0);
        QCOMPARE(docked.left, 540);
        QCOMPARE(docked.top, 4670);
        r.CmdRegBIT_Click(0);
        QVERIFY(r.PanelFlotante(0));
        QCOMPARE(r.PosicionPanel(0).left, disposicion::TxtRegBIT(0).left + 50);
        QCOMPARE(r.PosicionPanel(0).top, disposicion::CmdRegBIT(0).top - 180);
        r.CmdRegBIT_Click(0);
        QVERIFY(!r.PanelFlotante(0));
        // With its row unfolded the panel is seen docked: the button does nothing.
        r.CmdMasInfo_Click(0);
        r.CmdRegBIT_Click(0);
        QVERIFY(!r.PanelFlotante(0));
        r.CmdRegBIT_Click(1);
        QVERIFY(r.PanelFlotante(1));
    }
};

QTEST_MAIN(TestLogicaRegistros)
#include "test_logica_registros.moc"
