// The register window as a user drives it: typing in boxes, Enter, Escape,
// Tab, the format pop-up, bit boxes and the fold-out panels. With
// TARVIX_MOSTRAR set, the window stays on screen that many seconds.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "fakes/CuadrosFalsos.h"
#include "views/VentanaDePrueba.h"
#include "views/FrmRegistros.h"

using L = LogicaRegistros;

namespace {

// A message box that behaves as a modal window does to the focused box: the
// box loses the focus while the message shows and gets it back afterwards.
class CuadroModal final : public plataforma::IServicioCuadros {
public:
    CuadroModal() { plataforma::EstablecerCuadros(this); }
    ~CuadroModal() override { plataforma::EstablecerCuadros(nullptr); }
    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        textos.push_back(c.texto);
        QWidget* caja = QApplication::focusWidget();
        if (caja) {
            QFocusEvent fuera(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(caja, &fuera);
            QFocusEvent dentro(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(caja, &dentro);
        }
        return plataforma::Respuesta::Aceptar;
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada&) override { return std::nullopt; }
    std::vector<std::string> textos;
};

}  // namespace

class TestFrmRegistros : public QObject {
    Q_OBJECT
    VentanaDePrueba<FrmRegistros> v_;
    QMdiSubWindow*& marco_ = v_.marco;
    FrmRegistros*& w_ = v_.w;

    void Teclear(L::Arreglo a, int i, const QString& texto) {
        QLineEdit* c = w_->Caja(a, i);
        QTest::mouseClick(c, Qt::LeftButton);
        QTRY_VERIFY(c->hasFocus());
        // Typing replaces the whole text, which the box selects once the click is done.
        QTRY_VERIFY(c->hasSelectedText() && c->selectedText() == c->text());
        QTest::keyClicks(c, texto);
    }

    // Whether the window is still growing for an unfolded panel, a step at a time.
    bool Creciendo() const {
        const QList<QTimer*> pasos = w_->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        return std::any_of(pasos.begin(), pasos.end(), [](const QTimer* t) { return t->isActive(); });
    }

    // Chooses format k in a format button's pop-up menu, as the user does.
    void ElegirFormato(L::Arreglo a, int i, int k) {
        QTimer::singleShot(50, [k] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions()[k]->trigger();
            menu->close();
        });
        QTest::mouseClick(w_->BotonFormato(a, i), Qt::LeftButton);
    }

private slots:
    void init() { v_.Abrir(); }
    void cleanup() { v_.Cerrar(); }

    void typingANewSPAndEnter() {
        Teclear(L::kTxtReg, 14, "809F00");
        QTest::keyClick(w_->Caja(L::kTxtReg, 14), Qt::Key_Return);
        QCOMPARE(gRegistros->SP(), 0x809F00);
        QCOMPARE(w_->Caja(L::kTxtReg, 14)->text(), QString("00809F00"));
        QVERIFY(w_->Caja(L::kTxtReg, 14)->font().italic());
        QVERIFY(!w_->Caja(L::kTxtReg, 13)->font().italic());
        // Escape in another box puts its entry text back and writes nothing.
        Teclear(L::kTxtReg, 2, "1234");
        QTest::keyClick(w_->Caja(L::kTxtReg, 2), Qt::Key_Escape);
        QCOMPARE(w_->Caja(L::kTxtReg, 2)->text(), QString("00000000"));
        QTest::keyClick(w_->Caja(L::kTxtReg, 2), Qt::Key_Tab);
        QCOMPARE(gRegistros->AR(0), 0);
        QVERIFY(w_->Caja(L::kTxtReg, 14)->font().italic());
    }

    // A refused text shows one message; the box that gets the focus back
    // shows its register again, and the focus then goes where the user sends it.
    void badTextInSTShowsOneMessage() {
        prueba::CuadrosFalsos cuadros;
        gRegistros->ST(0x11);
        w_->Refrescar();
        Teclear(L::kTxtRegBIT, 0, "hola");
        w_->Caja(L::kTxtReg, 14)->setFocus();
        QTRY_VERIFY(w_->Caja(L::kTxtRegBIT, 0)->hasFocus());
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, std::string("<hola> no es un representación numérica valida"));
        QCOMPARE(gRegistros->ST(), 0x11);
        QCOMPARE(w_->Caja(L::kTxtRegBIT, 0)->text(), QString("00000011"));
        w_->Caja(L::kTxtReg, 14)->setFocus();
        QTRY_VERIFY(w_->Caja(L::kTxtReg, 14)->hasFocus());
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
    }

    // A signed R box, its format chosen while the focus is in it, a text that
    // is no number: leaving the box shows one message and sends the focus
    // back, the box shows its register again, leaving it then goes, and
    // Escape keeps the register's text.
    void noNumberInASignedBoxShowsOneMessage() {
        prueba::CuadrosFalsos cuadros;
        gRegistros->R(1).HI(0);
        gRegistros->R(1).LO(-5);
        w_->Refrescar();
        CajaRegistro* r1 = w_->Caja(L::kTxtRegEXT, 1);
        QTest::mouseClick(r1, Qt::LeftButton);
        QTRY_VERIFY(r1->hasFocus());
        ElegirFormato(L::kTxtRegEXT, 1, 2);
        QCOMPARE(r1->text(), QString("-5"));
        r1->selectAll();
        QTest::keyClicks(r1, "abc");
        QLineEdit* otra = w_->Caja(L::kTxtReg, 6);
        otra->setFocus();
        QTRY_VERIFY(r1->hasFocus());
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(r1->text(), QString("-5"));
        for (int k = 0; k < 2; ++k) {
            otra->setFocus();
            QCoreApplication::processEvents();   // a focus sent back would come now
            QVERIFY(otra->hasFocus());
        }
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QVERIFY(gRegistros->R(1).LO() == -5);
        r1->setFocus();
        QTRY_VERIFY(r1->hasFocus());
        QTest::keyClick(r1, Qt::Key_Escape);
        QCOMPARE(r1->text(), QString("-5"));
    }

    // Enter on a bad text shows one message; the box's entry text survives the
    // message window, so Escape still brings back what the box held on entry.
    void messageWindowIsNoFocusChange() {
        CuadroModal cuadro;
        gRegistros->AR(3, 0x4D);
        w_->Refrescar();
        Teclear(L::kTxtReg, 5, "zz");
        QTest::keyClick(w_->Caja(L::kTxtReg, 5), Qt::Key_Return);
        QCOMPARE(cuadro.textos, std::vector<std::string>{"<zz> no es un representación numérica valida"});
        QCOMPARE(gRegistros->AR(3), 0x4D);
        QTest::keyClick(w_->Caja(L::kTxtReg, 5), Qt::Key_Escape);
        QCOMPARE(w_->Caja(L::kTxtReg, 5)->text(), QString("0000004D"));
        // Another window taking and giving back the focus writes nothing.
        Teclear(L::kTxtReg, 6, "7");
        QFocusEvent fuera(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(w_->Caja(L::kTxtReg, 6), &fuera);
        QCOMPARE(gRegistros->AR(4), 0);
        QTest::keyClick(w_->Caja(L::kTxtReg, 6), Qt::Key_Escape);
        QCOMPARE(w_->Caja(L::kTxtReg, 6)->text(), QString("00000000"));
    }

    void formatButtonOffersAllowedFormats() {
        gRegistros->IR(1, -3);
        w_->Refrescar();
        bool activos[5] = {};
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const auto acciones = menu->actions();
            for (int k = 0; k < 5; ++k) activos[k] = acciones[k]->isEnabled();
            acciones[2]->trigger();
            menu->close();
        });
        QTest::mouseClick(w_->BotonFormato(L::kTxtReg, 16), Qt::LeftButton);
        QCOMPARE(activos[0], true);
        QCOMPARE(activos[2], true);
        QCOMPARE(activos[3], false);
        QCOMPARE(w_->Caja(L::kTxtReg, 16)->text(), QString("-3"));
        QVERIFY(w_->Caja(L::kTxtReg, 16)->font().italic());
    }

    // A value typed in hexadecimal and entered, then the format switched
    // twice through the pop-up while the focus stays in the box: neither the
    // switches nor leaving the box change the register.
    void switchingTheFormatWritesNothing() {
        Teclear(L::kTxtRegEXT, 4, "0112345678");
        QTest::keyClick(w_->Caja(L::kTxtRegEXT, 4), Qt::Key_Return);
        QTest::mouseClick(w_, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w_->Caja(L::kTxtRegEXT, 4)->hasFocus());
        ElegirFormato(L::kTxtRegEXT, 4, 3);
        QCOMPARE(w_->Caja(L::kTxtRegEXT, 4)->text(), QString("+2.284444e+00"));
        ElegirFormato(L::kTxtRegEXT, 4, 0);
        QCOMPARE(w_->Caja(L::kTxtRegEXT, 4)->text(), QString("0112345678"));
        QCOMPARE(gRegistros->R(4).LO(), 0x12345678);
        QCOMPARE(gRegistros->R(4).HI(), 1);
        QTest::keyClick(w_->Caja(L::kTxtRegEXT, 4), Qt::Key_Tab);
        QCOMPARE(gRegistros->R(4).LO(), 0x12345678);
    }

    void bitBoxClickSetsOneBit() {
        QCheckBox* gie = w_->Casilla(L::kST, 13);
        QTest::mouseClick(w_->BotonFormato(L::kTxtRegBIT, 0), Qt::LeftButton);   // "ST*": the panel floats
        QVERIFY(w_->PicRegBIT(0)->isVisible());
        QTest::mouseClick(gie, Qt::LeftButton);
        QCOMPARE(gRegistros->ST(), 0x2000);
        QCOMPARE(w_->Caja(L::kTxtRegBIT, 0)->text(), QString("00002000"));
        QVERIFY(!w_->Caja(L::kTxtRegBIT, 0)->font().italic());
        w_->Refrescar();
        QVERIFY(w_->Caja(L::kTxtRegBIT, 0)->font().italic());
        QVERIFY(gie->isChecked());
        QTest::mouseClick(w_->BotonFormato(L::kTxtRegBIT, 0), Qt::LeftButton);   // docked again
        QVERIFY(!w_->PicRegBIT(0)->isVisible());
    }

    void unfoldingGrowsTheWindow() {
        const int alto = marco_->height();
        QVERIFY(!w_->CmdMasInfo(1)->isEnabled());
        QTest::mouseClick(w_->CmdMasInfo(0), Qt::LeftButton);
        // It grows to at least the stated height, until the ST row fits inside, and stops there.
        QVERIFY(Creciendo());
        QTRY_VERIFY(!Creciendo());
        QVERIFY(marco_->height() >= 5525 / 15 && w_->PicRegBIT(0)->geometry().bottom() < w_->height());
        QVERIFY(w_->PicRegBIT(0)->isVisible());
        QVERIFY(!w_->PicRegBIT(1)->isVisible());
        QVERIFY(w_->CmdMasInfo(1)->isEnabled());
        QTest::mouseClick(w_->CmdMasInfo(1), Qt::LeftButton);
        QCOMPARE(marco_->height(), alto);
        // Maximised, the rows only show and hide.
        marco_->showMaximized();
        const QSize max = marco_->size();
        QTest::mouseClick(w_->CmdMasInfo(0), Qt::LeftButton);
        QVERIFY(!Creciendo());
        QCOMPARE(marco_->size(), max);
        QVERIFY(w_->PicRegBIT(0)->isVisible());
    }

    void closingWhileMaximisedSavesOnlyTheState() {
        marco_->showMaximized();
        marco_->close();
        QCOMPARE(*v_.ajustes->Valor("RegistrosSettings", "Status"), std::string("2"));
        QVERIFY(!v_.ajustes->Valor("RegistrosSettings", "Left"));
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        gRegistros->AR(3, 0x1234);
        gRegistros->R(1).HI(1);
        gRegistros->ST(0x2003);
        gRegistros->IE(0x00050003);
        w_->Refrescar();
        marco_->move(0, 0);
        for (int k = 0; k < 4; ++k) QTest::mouseClick(w_->CmdMasInfo(0), Qt::LeftButton);
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestFrmRegistros)
#include "test_FrmRegistros.moc"
