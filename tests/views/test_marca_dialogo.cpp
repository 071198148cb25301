// The watch-mark dialog as a user drives it: typing the operand, the kind and
// comparison buttons, Enter, Escape and the mouse on its buttons. With
// TARVIX_MOSTRAR set, the dialog stays on screen that many seconds.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "data/DatosPrograma.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FrmMarcasRupt.h"

class TestFrmMarcasRupt : public QObject {
    Q_OBJECT
    std::unique_ptr<FrmMarcasRupt> d_;

    void Abrir(int32_t direccion = 0x809C00) {
        LogicaMarcasRupt::Dialogo().PosMemAct(direccion);
        d_ = std::make_unique<FrmMarcasRupt>();
        d_->show();
        QVERIFY(QTest::qWaitForWindowExposed(d_.get()));
    }
    // A radio button is hit on its indicator and caption, not across its width.
    static void Pulsar(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    void Teclear(QLineEdit* caja, const QString& texto) {
        QTest::mouseClick(caja, Qt::LeftButton);
        QTRY_VERIFY(caja->hasFocus());
        QTRY_VERIFY(caja->hasSelectedText() || caja->text().isEmpty());
        QTest::keyClicks(caja, texto);
    }

private slots:
    void init() {
        CrearObjetosPrograma();
        Abrir();
        d_->TxtOperando()->setText("0");
        QTest::keyClick(d_->TxtOperando(), Qt::Key_Escape);   // a cleared operand for each case
        Abrir();
    }
    void cleanup() { d_.reset(); }

    void opensWithItsCaptionsAndDefaults() {
        QCOMPARE(d_->windowTitle(), QString("Establecer Marca de Ruptura ..."));
        QCOMPARE(d_->TxtIdentificador()->text(), QString("Marca00"));
        QCOMPARE(d_->TxtOperando()->text(), QString("00000000"));
        QVERIFY(d_->OptComp(0)->isChecked());
        QVERIFY(d_->OptTipo(0)->isChecked());
        QCOMPARE(d_->CmbTipoDatos()->currentText(), QString("Hexadecimal"));
        QCOMPARE(d_->LblInfo(1)->text(), QString("Contenido de $00809C00 = "));
        QCOMPARE(d_->CmdComando(0)->text(), QString("Aceptar"));
        QVERIFY(d_->CmdComando(0)->isDefault());
        QCOMPARE(d_->OptComp(5)->text(), QString("Menor o Igual (<=)"));
    }

    void pointerGreysOutTheDataType() {
        d_->CmbTipoDatos()->setFocus();
        QTest::keyClick(d_->CmbTipoDatos(), Qt::Key_Down);   // "Entero sin signo"
        Pulsar(d_->OptTipo(1));
        QCOMPARE(d_->CmbTipoDatos()->currentIndex(), 0);
        QVERIFY(!d_->CmbTipoDatos()->isEnabled());
        QCOMPARE(d_->LblInfo(1)->text(), QString("Contenido de $00809C00 = Contenido de $00000000"));
        Pulsar(d_->OptTipo(0));
        QVERIFY(d_->CmbTipoDatos()->isEnabled());
        QCOMPARE(d_->CmbTipoDatos()->currentIndex(), 0);
    }

    void typedOperandInSignedIntegerThenAcceptWithTheMouse() {
        d_->CmbTipoDatos()->setFocus();
        QTest::keyClick(d_->CmbTipoDatos(), Qt::Key_Down);
        QTest::keyClick(d_->CmbTipoDatos(), Qt::Key_Down);
        Teclear(d_->TxtOperando(), "5");
        Pulsar(d_->OptComp(1));
        prueba::CuadrosFalsos cuadros;
        Teclear(d_->TxtOperando(), "abc");
        Pulsar(d_->OptComp(3));   // leaving the box: the text is refused, the operand stays
        QCOMPARE(d_->TxtOperando()->text(), QString("+5"));
        QCOMPARE(d_->LblInfo(1)->text(), QString("Contenido de $00809C00 < +5"));
        QVERIFY(d_->OptComp(3)->isChecked());
        QTRY_COMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto,
                 std::string("El operando <abc> no es una representación numérica válida en el formato Entero con "
                             "signo."));
        Teclear(d_->TxtOperando(), "-7");
        QTest::mouseClick(d_->CmdComando(0), Qt::LeftButton);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Operando(), -7);
        QCOMPARE(gMarcasRupt->Item(1).Comp(), 3);
        QCOMPARE(gMarcasRupt->Item(1).TipoDatos(), int16_t(2));
        QCOMPARE(gMarcasRupt->Item(1).Identificador(), std::string("Marca00"));
    }

    // "Aceptar" with a text that is no number keeps the dialog open on the
    // operand box, which shows the old operand; the mark is not added.
    void acceptWithTheMouseRefusesABadOperand() {
        prueba::CuadrosFalsos cuadros;
        Teclear(d_->TxtOperando(), "12xyz");
        QTest::mouseClick(d_->CmdComando(0), Qt::LeftButton);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto,
                 std::string("El operando <12xyz> no es una representación numérica válida en el formato "
                             "Hexadecimal."));
        QCOMPARE(gMarcasRupt->count(), 0);
        QVERIFY(d_->isVisible());
        QCOMPARE(d_->TxtOperando()->text(), QString("00000000"));
        QTRY_VERIFY(d_->TxtOperando()->hasFocus());
        QTest::qWait(20);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));   // no second box from the focus change
        QTest::keyClicks(d_->TxtOperando(), "1F");
        QTest::keyClick(d_->TxtOperando(), Qt::Key_Return);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Operando(), 0x1F);
    }

    // "Cancelar" with such a text closes without a box and keeps the old operand.
    void cancelWithTheMouseKeepsTheOldOperand() {
        prueba::CuadrosFalsos cuadros;
        Teclear(d_->TxtOperando(), "2A");
        QTest::keyClick(d_->TxtOperando(), Qt::Key_Tab);
        Teclear(d_->TxtOperando(), "xyz");
        QTest::mouseClick(d_->CmdComando(1), Qt::LeftButton);
        QVERIFY(!d_->isVisible());
        QTest::qWait(20);
        QVERIFY(cuadros.mostrados.empty());
        Abrir();
        QCOMPARE(d_->TxtOperando()->text(), QString("0000002A"));
    }

    // An identifier the environment file cannot keep: the box, and the dialog
    // stays open on the identifier as typed.
    void enterWithAnIdentifierThatCannotBeKept() {
        prueba::CuadrosFalsos cuadros;
        Teclear(d_->TxtIdentificador(), "Marca \"A\"");
        QTest::keyClick(d_->TxtIdentificador(), Qt::Key_Return);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Marcas de Ruptura"));
        QCOMPARE(gMarcasRupt->count(), 0);
        QVERIFY(d_->isVisible());
        QCOMPARE(d_->TxtIdentificador()->text(), QString("Marca \"A\""));
        QVERIFY(d_->TxtIdentificador()->hasFocus());
        QTest::keyClicks(d_->TxtIdentificador(), "Marca A");
        QTest::keyClick(d_->TxtIdentificador(), Qt::Key_Return);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Identificador(), std::string("Marca A"));
    }

    void enterInTheIdentifierBoxAccepts() {
        Teclear(d_->TxtIdentificador(), "Limite");
        QTest::keyClick(d_->TxtIdentificador(), Qt::Key_Return);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Identificador(), std::string("Limite"));
        QCOMPARE(d_->result(), int(QDialog::Accepted));
    }

    void escapeAddsNothingButKeepsTheOperand() {
        Teclear(d_->TxtOperando(), "1F");
        QTest::keyClick(d_->TxtOperando(), Qt::Key_Escape);
        QVERIFY(!d_->isVisible());
        QCOMPARE(gMarcasRupt->count(), 0);
        Abrir();
        QCOMPARE(d_->TxtOperando()->text(), QString("0000001F"));
        QCOMPARE(d_->TxtIdentificador()->text(), QString("Marca00"));
    }

    void closeBoxAddsNothingAndLeavesTheOperand() {
        Teclear(d_->TxtOperando(), "1F");
        d_->close();
        QVERIFY(!d_->isVisible());
        QCOMPARE(gMarcasRupt->count(), 0);
        Abrir();
        QCOMPARE(d_->TxtOperando()->text(), QString("00000000"));
    }

    // Another window taking the focus and giving it back neither reads the
    // operand nor selects the box's text: the typing goes on.
    void anotherWindowTakingTheFocusIsNoLeaving() {
        Teclear(d_->TxtOperando(), "2A");
        QFocusEvent fuera(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(d_->TxtOperando(), &fuera);
        QCOMPARE(d_->TxtOperando()->text(), QString("2A"));
        QCOMPARE(d_->LblInfo(1)->text(), QString("Contenido de $00809C00 = "));
        QFocusEvent dentro(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(d_->TxtOperando(), &dentro);
        QCoreApplication::processEvents();
        QVERIFY(!d_->TxtOperando()->hasSelectedText());
        QTest::keyClicks(d_->TxtOperando(), "B");
        QTest::keyClick(d_->TxtOperando(), Qt::Key_Tab);
        QCOMPARE(d_->TxtOperando()->text(), QString("000002AB"));
        QCOMPARE(d_->LblInfo(1)->text(), QString("Contenido de $00809C00 = 000002AB"));
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        Pulsar(d_->OptComp(4));
        d_->move(20, 20);
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestFrmMarcasRupt)
#include "test_marca_dialogo.moc"
