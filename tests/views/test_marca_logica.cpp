// The watch-mark dialog's logic: its opening, the summary, the operand box in
// each data type, the pointer kind, and what "Aceptar" and "Cancelar" leave.
#include <QtTest>

#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "fakes/CuadrosFalsos.h"
#include "views/LogicaMarcasRupt.h"
#include "views/LogicaMemoria.h"

namespace {

LogicaMarcasRupt& Abrir(int32_t direccion = 0x809805) {
    LogicaMarcasRupt& d = LogicaMarcasRupt::Dialogo();
    d.PosMemAct(direccion);
    d.Cargar();
    return d;
}

}  // namespace

class TestLogicaMarcasRupt : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CrearObjetosPrograma();
        // The dialog lives for the whole run: start each case from a cleared operand.
        LogicaMarcasRupt& d = Abrir();
        d.EscribirOperando("0");
        d.Cancelar();
    }

    void identifierFollowsTheListCounter_data() {
        QTest::addColumn<int>("contador");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("0") << 0 << "Marca00";
        QTest::newRow("7") << 7 << "Marca07";
        QTest::newRow("123") << 123 << "Marca123";
    }
    void identifierFollowsTheListCounter() {
        QFETCH(int, contador);
        gMarcasRupt->IdentGenIndex(contador);
        QFETCH(QString, nombre);
        QCOMPARE(QString::fromStdString(Abrir().TextoIdentificador()), nombre);
    }

    void identifierAfterAddingAndClearing() {
        LogicaMarcasRupt& d = Abrir();
        d.Aceptar();
        QCOMPARE(Abrir().TextoIdentificador(), std::string("Marca01"));
        gMarcasRupt->Clear();
        QCOMPARE(Abrir().TextoIdentificador(), std::string("Marca00"));
    }

    void openingState() {
        LogicaMarcasRupt& d = Abrir();
        QCOMPARE(d.CompElegida(), 0);
        QCOMPARE(d.TipoElegido(), 0);
        QCOMPARE(d.IndiceTipoDatos(), int16_t(0));
        QVERIFY(d.ListaHabilitada());
        QCOMPARE(d.TextoOperando(), std::string("00000000"));
        QCOMPARE(d.Resumen(), std::string("Contenido de $00809805 = "));
        d.ElegirComp(4);
        QCOMPARE(d.Resumen(), std::string("Contenido de $00809805 >= 00000000"));
    }

    void pointerForcesHexadecimal() {
        LogicaMarcasRupt& d = Abrir();
        d.ElegirTipoDatos(2);
        d.EscribirOperando("-1");
        d.OperandoSale();
        d.ElegirTipo(1);
        QCOMPARE(d.IndiceTipoDatos(), int16_t(0));
        QVERIFY(!d.ListaHabilitada());
        QCOMPARE(d.TextoOperando(), std::string("FFFFFFFF"));
        QCOMPARE(d.Resumen(), std::string("Contenido de $00809805 = Contenido de $FFFFFFFF"));
        d.ElegirTipo(0);
        QVERIFY(d.ListaHabilitada());
        QCOMPARE(d.IndiceTipoDatos(), int16_t(0));
        d.Aceptar();
        QCOMPARE(gMarcasRupt->Item(1).Tipo(), 0);
        QCOMPARE(gMarcasRupt->Item(1).Operando(), -1);
    }

    void leavingTheOperandBox_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<int>("operando");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("hex") << 0 << " 1f " << 0x1F << "0000001F";
        QTest::newRow("con signo") << 2 << "-3" << -3 << "-3";
        QTest::newRow("con signo minimo") << 2 << "-2147483648" << int(0x80000000) << "-2147483648";
        QTest::newRow("sin signo maximo") << 1 << "4294967295" << -1 << FormatearValor(-1, 1).c_str();
        QTest::newRow("TMS") << 3 << "2" << 0x01000000 << "+2.000000e+00";
        QTest::newRow("IEEE") << 4 << "-2" << int(0x80800000) << FormatearValor(int(0x80800000), 4).c_str();
    }
    void leavingTheOperandBox() {
        QFETCH(int, formato);
        QFETCH(QString, tecleado);
        prueba::CuadrosFalsos cuadros;
        LogicaMarcasRupt& d = Abrir();
        d.ElegirTipoDatos(int16_t(formato));
        d.EscribirOperando(tecleado.toStdString());
        d.OperandoSale();
        QTEST(d.Operando(), "operando");
        QTEST(QString::fromStdString(d.TextoOperando()), "mostrado");
        QCOMPARE(d.Resumen(), "Contenido de $00809805 = " + d.TextoOperando());
        QVERIFY(cuadros.mostrados.empty());
    }

    // A text that is no number of the chosen format, or one out of its range,
    // is refused with a box that names the format; the operand stays as it was.
    void operandThatIsNoNumberOfItsFormat_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("tecleado");
        QTest::newRow("hex letras") << 0 << "xyz";
        QTest::newRow("hex con cola") << 0 << "12xyz";
        QTest::newRow("hex nueve cifras") << 0 << "123456789";
        QTest::newRow("hex vacio") << 0 << "";
        QTest::newRow("sin signo letras") << 1 << "xyz";
        QTest::newRow("sin signo con cola") << 1 << "12abc";
        QTest::newRow("sin signo negativo") << 1 << "-1";
        QTest::newRow("sin signo fuera de rango") << 1 << "4294967296";
        QTest::newRow("con signo letras") << 2 << "abc";
        QTest::newRow("con signo con cola") << 2 << "12abc";
        QTest::newRow("con signo por encima") << 2 << "2147483648";
        QTest::newRow("con signo por debajo") << 2 << "-2147483649";
        QTest::newRow("TMS letras") << 3 << "xyz";
        QTest::newRow("TMS con cola") << 3 << "12abc";
        QTest::newRow("TMS fuera de rango") << 3 << "1e39";
        QTest::newRow("IEEE letras") << 4 << "xyz";
        QTest::newRow("IEEE con cola") << 4 << "2e";
        QTest::newRow("IEEE fuera de rango") << 4 << "-1e39";
    }
    void operandThatIsNoNumberOfItsFormat() {
        QFETCH(int, formato);
        QFETCH(QString, tecleado);
        const int32_t antes = 0x2A;
        LogicaMarcasRupt& d = Abrir();
        d.EscribirOperando("2A");
        d.OperandoSale();
        d.ElegirTipoDatos(int16_t(formato));
        prueba::CuadrosFalsos cuadros;
        d.EscribirOperando(tecleado.toStdString());
        d.OperandoSale();
        QCOMPARE(d.Operando(), antes);
        QCOMPARE(d.TextoOperando(), FormatearValor(antes, int16_t(formato)));
        QCOMPARE(d.Resumen(), "Contenido de $00809805 = " + FormatearValor(antes, int16_t(formato)));
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        const std::string nombreFormato = LogicaMemoria::TextosTipoDatos()[size_t(formato)];
        QCOMPARE(cuadros.mostrados[0].texto, "El operando <" + tecleado.toStdString() +
                                                 "> no es una representación numérica válida en el formato " +
                                                 nombreFormato + ".");
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Marcas de Ruptura"));
        QCOMPARE(cuadros.mostrados[0].icono, plataforma::Icono::Exclamacion);
        // "Aceptar" with such a text shows the box again and adds nothing.
        d.EscribirOperando(tecleado.toStdString());
        d.Aceptar();
        QCOMPARE(gMarcasRupt->count(), 0);
        QCOMPARE(cuadros.mostrados.size(), size_t(2));
        QCOMPARE(d.Operando(), antes);
        // "Cancelar" keeps the old operand without a box.
        d.EscribirOperando(tecleado.toStdString());
        d.Cancelar();
        QCOMPARE(cuadros.mostrados.size(), size_t(2));
        QCOMPARE(Abrir().TextoOperando(), FormatoHex(antes));
    }

    void changingTheDataTypeRewritesOnlyTheBox() {
        LogicaMarcasRupt& d = Abrir();
        d.EscribirOperando("FFFFFFFE");
        d.OperandoSale();
        const std::string resumen = d.Resumen();
        d.ElegirTipoDatos(2);
        QCOMPARE(d.TextoOperando(), std::string("-2"));
        QCOMPARE(d.Operando(), -2);
        QCOMPARE(d.Resumen(), resumen);
        d.ElegirComp(1);
        QCOMPARE(d.Resumen(), std::string("Contenido de $00809805 <> -2"));
    }

    void floatOperandKeepsItsWordThroughTheBox() {
        LogicaMarcasRupt& d = Abrir();
        d.EscribirOperando("00000001");   // 1.0000001 in the short float
        d.OperandoSale();
        d.ElegirTipoDatos(3);
        d.OperandoSale();   // tabbing through without a change
        d.Aceptar();
        QCOMPARE(gMarcasRupt->Item(1).Operando(), 1);
        QCOMPARE(gMarcasRupt->Item(1).TipoDatos(), int16_t(3));
    }

    void acceptingTakesTheTypedOperand() {
        LogicaMarcasRupt& d = Abrir(0x809C00);
        d.ElegirTipoDatos(3);
        d.ElegirComp(2);
        d.EscribirOperando("2");
        d.EscribirIdentificador("");
        d.Aceptar();
        QCOMPARE(gMarcasRupt->count(), 1);
        const ClassMarcaRupt& m = gMarcasRupt->Item(1);
        QCOMPARE(m.Tipo(), 0);
        QCOMPARE(m.PosMem(), 0x809C00);
        QCOMPARE(m.Comp(), 2);
        QCOMPARE(m.Operando(), 0x01000000);
        QCOMPARE(m.TipoDatos(), int16_t(3));
        QCOMPARE(m.Identificador(), std::string());
    }

    void cancellingKeepsTheOperandForTheNextOpening() {
        LogicaMarcasRupt& d = Abrir();
        d.ElegirTipoDatos(2);
        d.ElegirTipo(1);
        d.EscribirOperando("809C01");
        d.Cancelar();
        QCOMPARE(gMarcasRupt->count(), 0);
        LogicaMarcasRupt& otra = Abrir();
        QCOMPARE(otra.TextoOperando(), std::string("00809C01"));
        QCOMPARE(otra.TipoElegido(), 0);
        QCOMPARE(otra.Resumen(), std::string("Contenido de $00809805 = "));
    }
};

QTEST_MAIN(TestLogicaMarcasRupt)
#include "test_marca_logica.moc"
