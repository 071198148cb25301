// The main window's plain logic: source-file name, status texts, recent files,
// load messages, the mode table, the toolbar layout, file filters and tips.
#include <QtTest>
#include <QFileDialog>
#include <array>

#include "app/BarraHerramientas.h"
#include "app/LogicaPrincipal.h"
#include "data/TablaModos.h"
#include "app/frmTip.h"
#include "platform/qt/DialogosComunesQt.h"

class TestLogicaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void nombreFuente_data() {
        QTest::addColumn<QString>("dsk");
        QTest::addColumn<QString>("asm_");
        QTest::newRow("minusculas") << "C:\\prog\\test.dsk" << "C:\\prog\\test.asm";
        QTest::newRow("mayusculas") << "/home/u/PROG.DSK" << "/home/u/PROG.asm";
        QTest::newRow("mezcla") << "a.DsK" << "a.asm";
        // Only the trailing extension counts, not a folder named like it.
        QTest::newRow("carpeta .DSK") << "C:\\Data.DSK\\a.dsk" << "C:\\Data.DSK\\a.asm";
        QTest::newRow("sin extension") << "/tmp/listado" << "/tmp/listado";
        QTest::newRow("otra extension") << "/tmp/x.dsk.txt" << "/tmp/x.dsk.txt";
        QTest::newRow("vacio") << "" << "";
    }
    void nombreFuente() {
        QFETCH(QString, dsk);
        QFETCH(QString, asm_);
        QCOMPARE(QString::fromStdString(NombreFuente(dsk.toStdString())), asm_);
    }

    void textosDePaneles() {
        QCOMPARE(TextoTiempo(125, 50), std::string("2.50 us "));
        QCOMPARE(TextoTiempo(0, 50), std::string("0.00 us "));
        QCOMPARE(TextoTiempo(1000000, 27), std::string("37037.04 us "));
        QCOMPARE(TextoTiempo(10, 0), std::string("0.00 us "));  // no time for a hand-edited 0 MHz
        QCOMPARE(TextoCiclo(125), std::string("125"));
        QCOMPARE(TextoFrecuencia(50), std::string(" 50 MHz "));
        QCOMPARE(TextoFrecuencia(-3), std::string("-3 MHz "));
        QCOMPARE(TextoProcesador(1, 0), std::string("C31 - MP "));
        QCOMPARE(TextoProcesador(0, 1), std::string("C30 - MC "));
    }

    void listaMRU_data() {
        QTest::addColumn<int>("num");
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("despues");
        const QStringList abcd{"A", "B", "C", "D", "X", "", "", "", "", ""};
        QTest::newRow("a la cabeza") << 4 << abcd << "C" << QStringList{"C", "A", "B", "D", "X", "", "", "", "", ""};
        QTest::newRow("nuevo, cae D") << 4 << abcd << "E" << QStringList{"E", "A", "B", "C", "X", "", "", "", "", ""};
        QTest::newRow("ya primero") << 4 << abcd << "A" << abcd;
        QTest::newRow("el ultimo") << 4 << abcd << "D" << QStringList{"D", "A", "B", "C", "X", "", "", "", "", ""};
        QTest::newRow("mayusculas distintas") << 4 << abcd << "a" << QStringList{"a", "A", "B", "C", "X", "", "", "", "", ""};
        QTest::newRow("una entrada") << 1 << abcd << "E" << QStringList{"E", "B", "C", "D", "X", "", "", "", "", ""};
        QTest::newRow("nombre vacio") << 4 << abcd << "" << abcd;
    }
    void listaMRU() {
        QFETCH(int, num);
        QFETCH(QStringList, antes);
        QFETCH(QString, nombre);
        QFETCH(QStringList, despues);
        std::array<std::string, 10> mru;
        for (int i = 0; i < 10; ++i) mru[size_t(i)] = antes[i].toStdString();
        ActualizarListaMRU(mru, num, nombre.toStdString());
        QStringList r;
        for (const auto& s : mru) r << QString::fromStdString(s);
        QCOMPARE(r, despues);
    }

    void mensajesDeCarga() {
        const std::string f = "/p/x.dsk";
        QCOMPARE(MensajeDeCarga(-1, f).texto, std::string("El fichero </p/x.dsk> esta dañado"));
        QCOMPARE(MensajeDeCarga(-1, f).estado, std::string("El fichero /p/x.dsk está dañado"));
        QCOMPARE(MensajeDeCarga(-1, f).ayuda, 11090);
        QCOMPARE(MensajeDeCarga(0, f).texto, std::string());
        QCOMPARE(MensajeDeCarga(0, f).estado, std::string("Leido el fichero DSK: /p/x.dsk"));
        QCOMPARE(MensajeDeCarga(1, f).ayuda, 11070);
        QCOMPARE(MensajeDeCarga(2, f).texto, std::string("Hay Warnings en el fichero /p/x.dsk"));
        QCOMPARE(MensajeDeCarga(3, f).texto, std::string("Errores de carga en memoria/p/x.dsk"));
        QCOMPARE(MensajeDeCarga(3, f).estado, std::string("Errores de carga en alguna seccion de memoria"));
        QCOMPARE(TextoNoSeEncuentra(f), std::string("El fichero dsk /p/x.dsk no se encuentra"));
    }

    void textoABool() {
        QVERIFY(TextoABool("True", false));
        QVERIFY(!TextoABool("False", true));
        QVERIFY(TextoABool("1", false));
        QVERIFY(TextoABool("-1", false));
        QVERIFY(!TextoABool("0", true));
        QVERIFY(TextoABool("quizas", true));
        QVERIFY(!TextoABool("quizas", false));
        QVERIFY(TextoABool("", true));
    }

    // Words in any letter case and 1 or 0 as the settings table reads them;
    // any other number read as strictly, non-zero true; the rest the default.
    void textoABoolEstricto_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("porDefecto");
        QTest::addColumn<bool>("leido");
        QTest::newRow("TRUE") << "TRUE" << false << true;
        QTest::newRow("false") << "false" << true << false;
        QTest::newRow("blancos") << "  True\t" << false << true;
        QTest::newRow("2") << "2" << false << true;
        QTest::newRow("-0") << "-0" << true << false;
        QTest::newRow("coma") << "0,5" << false << true;
        QTest::newRow("1e99") << "1e99" << false << true;
        QTest::newRow("0x10") << "0x10" << false << false;
        QTest::newRow("0x0") << "0x0" << true << true;
        QTest::newRow("inf") << "inf" << false << false;
        QTest::newRow("nan") << "nan" << false << false;
        QTest::newRow("1 2") << "1 2" << false << false;
        QTest::newRow("12abc") << "12abc" << false << false;
    }
    void textoABoolEstricto() {
        QFETCH(QString, texto);
        QFETCH(bool, porDefecto);
        QFETCH(bool, leido);
        QCOMPARE(TextoABool(texto.toStdString(), porDefecto), leido);
    }

    void tablaDeModos() {
        QVERIFY(!EfectosDeModo(-1));
        QVERIFY(!EfectosDeModo(5));
        QVERIFY(!EfectosDeModo(7));
        const EfectosModo& parado = *EfectosDeModo(modo::kParado);
        QVERIFY(!parado.temporizador && parado.refrescar && parado.limpiarAni && parado.soltarPausa);
        QCOMPARE(parado.intervalo, 0);
        QCOMPARE(parado.refrescoPorTick, int8_t(-1));
        // Only the stopped mode refreshes the views when it is set.
        for (int m = 1; m <= 4; ++m) QVERIFY(!EfectosDeModo(int16_t(m))->refrescar);
        QCOMPARE(EfectosDeModo(modo::kTemporizado)->intervalo, kIntervaloTemporizado);
        QCOMPARE(EfectosDeModo(modo::kTemporizado)->refrescoPorTick, int8_t(1));
        QVERIFY(EfectosDeModo(modo::kNormal)->ejecutando && EfectosDeModo(modo::kTemporizado)->ejecutando);
        QVERIFY(!EfectosDeModo(modo::kPasoSobre)->ejecutando && !EfectosDeModo(modo::kHastaCursor)->ejecutando);
        QCOMPARE(EfectosDeModo(modo::kPasoSobre)->menuRun, Cambio::Intacto);
        QCOMPARE(EfectosDeModo(modo::kHastaCursor)->menuPausa, Cambio::Intacto);
        QCOMPARE(EfectosDeModo(modo::kHastaCursor)->menuRun, Cambio::Deshabilitar);
        const int16_t bases[] = {1, 1, 9, 13, 5};
        for (int m = 0; m <= 4; ++m) QCOMPARE(EfectosDeModo(int16_t(m))->baseAnimacion, bases[m]);
        QVERIFY(ModoPorLotes(modo::kNormal) && ModoPorLotes(modo::kPasoSobre) && ModoPorLotes(modo::kHastaCursor));
        QVERIFY(!ModoPorLotes(modo::kTemporizado) && !ModoPorLotes(modo::kParado));
    }

    void botonesDeLaBarra() {
        QCOMPARE(BotonesBarra().size(), size_t(38));
        const auto d = DisposicionPredeterminada();
        QCOMPARE(d.size(), size_t(46));
        QCOMPARE(d.front(), std::string(kSeparador));
        QCOMPARE(ComandoDeBoton("TablaPuntosRupt"), std::string("mnuVerAuxDat4"));
        QCOMPARE(ComandoDeBoton("TablaMarcasRupt"), std::string("mnuVerAuxDat5"));
        QCOMPARE(ComandoDeBoton("pause"), std::string());  // keys are case-sensitive
        QCOMPARE(ComandoDeBoton("AyudaConten"), std::string());
    }

    void disposicionGuardadaYLeida() {
        const std::vector<std::string> d{"-", "Run", "Stop", "-", "Cargar"};
        QCOMPARE(LeerDisposicion(GuardarDisposicion(d)), d);
        // An unknown key and a repeated one are dropped; the rest keeps its order.
        QCOMPARE(LeerDisposicion("Run,Desconocido,-,Run,PP1"), (std::vector<std::string>{"Run", "-", "PP1"}));
        QCOMPARE(LeerDisposicion(""), DisposicionPredeterminada());
        QCOMPARE(LeerDisposicion("NadaConocido,-"), DisposicionPredeterminada());
    }

    void filtros() {
        using plataforma::qt::ConvertirFiltro;
        QCOMPARE(ConvertirFiltro("Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*"),
                 QString("Ficheros ensamblados (*.dsk);;Todos los archivos (*)"));
        QCOMPARE(ConvertirFiltro("Fuentes|*.asm;*.s"), QString("Fuentes (*.asm *.s)"));
        QCOMPARE(ConvertirFiltro("Sin patron"), QString());
    }

    // The open dialog speaks Spanish in its labels too, not only in its buttons.
    void dialogoAbrir() {
        QFileDialog d;
        plataforma::qt::PrepararDialogoAbrir(d, {"Recuperar Entorno", "Ficheros de entorno (*.ent)|*.ent", true});
        QCOMPARE(d.windowTitle(), QString("Recuperar Entorno"));
        QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(d.nameFilters(), QStringList{"Ficheros de entorno (*.ent)"});
        QCOMPARE(d.labelText(QFileDialog::LookIn), QString("Buscar en:"));
        QCOMPARE(d.labelText(QFileDialog::FileName), QString("Nombre:"));
        QCOMPARE(d.labelText(QFileDialog::FileType), QString("Tipo:"));
        QCOMPARE(d.labelText(QFileDialog::Reject), QString("Cancelar"));
    }

    // With the toolkit's Spanish texts, its own words (names of keys, the file
    // dialog's columns) are Spanish too.
    void textosDelToolkitEnEspanol() {
        QVERIFY(plataforma::qt::InstalarTextosEnEspanol());
        QCOMPARE(QKeySequence("Shift+F3").toString(QKeySequence::NativeText), QString("Mayúsculas+F3"));
        QVERIFY(QCoreApplication::translate("QFileSystemModel", "Name") != "Name");
    }

    void sugerencias() {
        using V = std::vector<std::string>;
        QCOMPARE(DividirSugerencias("uno\r\ndos\r\ntres\r\n"), (V{"uno", "dos", "tres"}));
        QCOMPARE(DividirSugerencias("uno\r\rtres"), (V{"uno", "", "tres"}));
        QCOMPARE(DividirSugerencias("uno\ndos"), (V{"uno", "dos"}));
        QCOMPARE(DividirSugerencias(""), V{});
        // Latin-1 bytes of the old code page come out as UTF-8.
        QCOMPARE(DividirSugerencias("\xbf" "Sab\xed" "a?\r\n"), V{"¿Sabía?"});
        QCOMPARE(DividirSugerencias("¿Sabía?"), V{"¿Sabía?"});
    }
};

QTEST_MAIN(TestLogicaPrincipal)
#include "test_logica_principal.moc"
