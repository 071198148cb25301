// What the options dialog binds, stores and computes, without a window: the
// settings round trip, the handlers of the processor and options tabs, the
// tools' templates, the section grid's ranges and the page preview geometry.
#include <QtTest>
#include <limits>

#include "app/LogicaOpciones.h"
#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "fakes/ImpresoraFalsa.h"

using namespace opciones;

class TestLogicaOpciones : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::AjustesMemoria> ajustes;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros;

    // The dialog as it opens: loaded, with the restart flag cleared.
    LogicaOpciones Cargada() {
        LogicaOpciones l;
        l.CargarDatos();
        l.CambiosReinicio = false;
        return l;
    }
    std::vector<std::string> Textos() const {
        std::vector<std::string> t;
        for (const auto& c : cuadros->mostrados) t.push_back(c.texto);
        return t;
    }

private slots:
    void init() {
        ajustes = std::make_unique<prueba::AjustesMemoria>();
        cuadros = std::make_unique<prueba::CuadrosFalsos>();
        LeerOpciones();
        CrearObjetosPrograma();
    }
    void cleanup() {
        cuadros.reset();
        ajustes.reset();
    }

    void numerosDeLasCajas_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("guardado");
        QTest::newRow("10") << "10" << 567 << 10;
        QTest::newRow("coma") << "12,7" << 680 << 12;
        QTest::newRow("media par") << "12.5" << 709 << 12;
        QTest::newRow("media impar") << "13.5" << 765 << 14;
        QTest::newRow("blancos y resto") << "  7 mm" << 397 << 7;
        QTest::newRow("sin numero") << "abc" << 0 << 0;
        QTest::newRow("vacia") << "" << 0 << 0;
        QTest::newRow("negativo") << "-3" << -170 << -3;
        QTest::newRow("solo signo") << "-" << 0 << 0;
        QTest::newRow("demasiado grande") << "99999" << 5669943 << 32767;
        QTest::newRow("enorme") << "1e400" << 57 << 1;
        QTest::newRow("400 cifras") << QString(400, '9') << std::numeric_limits<int32_t>::max() << 32767;
    }
    void numerosDeLasCajas() {
        QFETCH(QString, texto);
        QFETCH(int, twips);
        QFETCH(int, guardado);
        QCOMPARE(TextoATwips(texto.toStdString()), twips);
        QCOMPARE(int(TextoANumero16(texto.toStdString())), guardado);
    }

    void segundosDelRetardo() {
        QCOMPARE(TextoSegundos(1000), std::string(" 1.00"));
        QCOMPARE(TextoSegundos(250), std::string(" 0.25"));
        QCOMPARE(TextoSegundos(0), std::string(" 0.00"));
        QCOMPARE(TextoSegundos(50), std::string(" 0.05"));
        QCOMPARE(TextoSegundos(5000), std::string(" 5.00"));
    }

    // Loading and applying with nothing touched gives back every setting.
    void cargarYGuardarSinCambios() {
        auto antes = [] {
            std::vector<std::string> v;
            for (const auto& fila : TablaAjustes()) v.push_back(fila.clave + "=" + TextoAjuste(fila));
            return v;
        };
        ConfigMem = 7 + 16;
        ModeloDSP = 0;
        Frecuencia_Reloj = 40;
        LocalRuptura = 3;
        MemoriaTipoDatos = 4;
        MgCab = 25;
        Editor = "/usr/bin/editor";
        PrintQuality = 3;
        Inicializar = false;
        TablaRef = true;
        const auto esperado = antes();
        LogicaOpciones l = Cargada();
        l.SalvarDatos();
        QCOMPARE(antes(), esperado);
        QVERIFY(cuadros->mostrados.empty());
    }

    // What applying stores opens again after a restart: a negative margin and
    // fewer than one copy, which the settings reader would replace by their
    // defaults, are stored as the nearest value it keeps, and the boxes say so;
    // so are numbers past what 16 bits hold.
    void loAplicadoSobreviveAUnReinicio_data() {
        QTest::addColumn<QString>("margen");
        QTest::addColumn<QString>("copias");
        QTest::addColumn<int>("mm");
        QTest::addColumn<int>("numCopias");
        QTest::addColumn<QString>("cajaMargen");  // the margin box afterwards
        QTest::newRow("validos") << "15" << "3" << 15 << 3 << "15";
        QTest::newRow("negativos") << "-4" << "-2" << 0 << 1 << "0";
        QTest::newRow("cero copias") << "0" << "0" << 0 << 1 << "0";
        QTest::newRow("sin numero") << "abc" << "abc" << 0 << 1 << "abc";
        QTest::newRow("mas de 16 bits") << "99999" << "99999" << 32767 << 32767 << "32767";
        QTest::newRow("redondeo al limite") << "32767.4" << "32767.6" << 32767 << 32767 << "32767.4";
    }
    void loAplicadoSobreviveAUnReinicio() {
        QFETCH(QString, margen);
        QFETCH(QString, copias);
        QFETCH(int, mm);
        QFETCH(int, numCopias);
        QFETCH(QString, cajaMargen);
        LogicaOpciones l = Cargada();
        l.c.margenes[kIzq] = margen.toStdString();
        l.c.margenes[kPie] = margen.toStdString();
        l.c.copias = copias.toStdString();
        l.SalvarDatos();
        QCOMPARE(int(MgIzq), mm);
        QCOMPARE(int(MgPie), mm);
        QCOMPARE(int(NumCopias), numCopias);
        QCOMPARE(l.c.copias, std::to_string(numCopias));
        QCOMPARE(int(TextoANumero16(l.c.margenes[kIzq])), mm);
        QCOMPARE(l.c.margenes[kIzq], cajaMargen.toStdString());
        QCOMPARE(l.c.margenes[kPie], cajaMargen.toStdString());
        GuardarOpciones();
        MgIzq = MgPie = NumCopias = -99;
        LeerOpciones();
        QCOMPARE(int(MgIzq), mm);
        QCOMPARE(int(MgPie), mm);
        QCOMPARE(int(NumCopias), numCopias);
    }

    void frecuenciaDesconocidaSeGuardaComo33() {
        Frecuencia_Reloj = 45;
        LogicaOpciones l = Cargada();
        QCOMPARE(l.c.optFrecuencia, 0);
        l.SalvarDatos();
        QCOMPARE(Frecuencia_Reloj, 33);
        l.c.optFrecuencia = 1;
        l.SalvarDatos();
        QCOMPARE(Frecuencia_Reloj, 27);
    }

    void retardoMinimo_data() {
        QTest::addColumn<int>("posicion");
        QTest::addColumn<int>("guardado");
        QTest::newRow("40") << 40 << 100;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("5000") << 5000 << 5000;
    }
    void retardoMinimo() {
        QFETCH(int, posicion);
        QFETCH(int, guardado);
        LogicaOpciones l = Cargada();
        l.SldExeTemp_Change(posicion);
        l.SalvarDatos();
        QCOMPARE(TiempoExeTemp, guardado);
    }

    void elModeloGobiernaLaROM() {
        LogicaOpciones l = Cargada();
        l.c.chkMem[kMemROM] = true;
        l.OptModelo_Click(0);
        QVERIFY(l.c.memROMHabilitada);
        QVERIFY(!l.c.chkMem[kMemROM]);
        l.c.chkMem[kMemROM] = true;
        l.ChkMem_Click(kMemROM);
        l.OptModelo_Click(1);
        QVERIFY(!l.c.memROMHabilitada);
        QVERIFY(!l.c.chkMem[kMemROM]);
    }

    // The stored map is set after the model, so a C31 with the ROM bit keeps it.
    void C31ConROMGuardada() {
        ModeloDSP = 1;
        ConfigMem = 2 + 8;
        LogicaOpciones l = Cargada();
        QVERIFY(!l.c.memROMHabilitada);
        QVERIFY(l.c.chkMem[kMemROM]);
        l.SalvarDatos();
        QCOMPARE(ConfigMem, 10);
    }

    void RAM0NoSeDesactiva() {
        ConfigMem = 1 + 4;
        LogicaOpciones l = Cargada();
        QCOMPARE(Textos(), std::vector<std::string>{kTextoRAM0});
        const auto& c = cuadros->mostrados[0];
        QCOMPARE(c.titulo, std::string("Configuración Memoria - RAM Bloque 0"));
        QCOMPARE(c.icono, plataforma::Icono::Informacion);
        QVERIFY(c.botonAyuda);
        QCOMPARE(c.contextoAyuda, 9100);
        QVERIFY(l.c.chkMem[kMemRAM0]);
        // The user unticks it: refused again, and the flag is set.
        l.c.chkMem[kMemRAM0] = false;
        l.ChkMem_Click(kMemRAM0);
        QVERIFY(l.c.chkMem[kMemRAM0]);
        QVERIFY(l.CambiosReinicio);
        cuadros->mostrados.clear();
        l.CambiosReinicio = false;
        l.SalvarDatos();
        QCOMPARE(ConfigMem, 7);
    }

    void avisoDeReinicio() {
        LogicaOpciones l = Cargada();
        l.c.optModoPPL = 0;
        l.c.chkEntorno[kTablaSect] = true;
        l.SalvarDatos();
        QVERIFY(cuadros->mostrados.empty());
        QCOMPARE(ModoPPL, int16_t(0));
        QVERIFY(TablaSect);
        // Clicking the model away and back still counts; each apply tells it.
        l.OptModelo_Click(0);
        l.OptModelo_Click(1);
        l.SalvarDatos();
        l.SalvarDatos();
        QCOMPARE(Textos(), (std::vector<std::string>{kTextoReinicio, kTextoReinicio}));
        const auto& c = cuadros->mostrados[0];
        QCOMPARE(c.titulo, std::string("Configuración"));
        QCOMPARE(c.contextoAyuda, 11110);
        QCOMPARE(c.ficheroAyuda, std::string(plataforma::kFicheroAyuda));
        QVERIFY(c.botonAyuda);
        QCOMPARE(ModeloDSP, int16_t(1));
    }

    void ficherosRecientes() {
        for (int i = 1; i <= 10; ++i) MRU[size_t(i)] = "f" + std::to_string(i);
        NumMRUFiles = 10;
        LogicaOpciones l = Cargada();
        QCOMPARE(MRU[10], std::string("f10"));
        l.CmbMRU_Click(3);  // "4"
        QCOMPARE(MRU[4], std::string("f4"));
        for (int i = 5; i <= 10; ++i) QVERIFY(MRU[size_t(i)].empty());
        QCOMPARE(NumMRUFiles, int16_t(10));  // only applying changes the count
        l.CmbMRU_Click(0);
        QCOMPARE(MRU[1], std::string("f1"));
        QVERIFY(MRU[2].empty());
        l.SalvarDatos();
        QCOMPARE(NumMRUFiles, int16_t(1));
        l.CmdClearMRU_Click();
        QVERIFY(MRU[1].empty());
    }

    void abrirConCuatroVaciaLasDemas() {
        for (int i = 1; i <= 10; ++i) MRU[size_t(i)] = "f" + std::to_string(i);
        NumMRUFiles = 4;
        Cargada();
        QCOMPARE(MRU[4], std::string("f4"));
        QVERIFY(MRU[5].empty() && MRU[10].empty());
    }

    // Settings that no control can show open with the setting's default (a
    // reset type other than 0 is the processor reset); the count is clamped.
    void valoresQueNingunControlMuestra() {
        ModeloDSP = 7;
        ModoDSP = -1;
        ModoPPL = 2;
        TipoReset = 5;
        LocalRuptura = 9;
        MemoriaTipoDatos = 12;
        NumMRUFiles = 15;
        TiempoExeTemp = 99999;
        MRU[10] = "diez";
        LogicaOpciones l = Cargada();
        QCOMPARE(l.c.optTipoReset, 1);
        l.SalvarDatos();
        QCOMPARE(ModeloDSP, int16_t(1));
        QCOMPARE(ModoDSP, int16_t(0));
        QCOMPARE(ModoPPL, int16_t(1));
        QCOMPARE(TipoReset, int16_t(1));
        QCOMPARE(LocalRuptura, int16_t(0));
        QCOMPARE(MemoriaTipoDatos, int16_t(0));
        QCOMPARE(NumMRUFiles, int16_t(10));
        QCOMPARE(TiempoExeTemp, 5000);
        QCOMPARE(MRU[10], std::string("diez"));
    }

    void plantillasDeHerramientas() {
        LogicaOpciones l = Cargada();
        l.RutaElegida(kEditor, "/bin/vi");
        QCOMPARE(l.c.herramientas[kEditor], std::string("/bin/vi"));
        QVERIFY(l.c.herramientas[kParamEditor].empty());
        QCOMPARE(l.c.herramientas[kParamEnsamblador], std::string("<FILEASM>"));
        l.RutaElegida(kEnsamblador, "");  // an empty choice changes nothing
        QCOMPARE(l.c.herramientas[kParamEnsamblador], std::string("<FILEASM>"));
        l.AnadirParametro(kParamEnsamblador, "Q");
        l.AnadirParametro(kParamEnsamblador, "Q");
        QCOMPARE(l.c.herramientas[kParamEnsamblador], std::string("<FILEASM> Q Q"));
        l.AnadirParametro(kParamEditor, "<FILEDSK>");
        QCOMPARE(l.c.herramientas[kParamEditor], std::string(" <FILEDSK>"));
        l.SalvarDatos();
        QCOMPARE(Editor, std::string("/bin/vi"));
        QCOMPARE(ParamEnsamblador, std::string("<FILEASM> Q Q"));
    }

    // The font is the printer's while it is open; without a printer the dialog
    // keeps it.
    void fuenteDeLaImpresora() {
        FontName = "Arial";
        FontSize = 12.5f;
        {
            prueba::ImpresoraFalsa impresora;
            LogicaOpciones l = Cargada();
            QCOMPARE(impresora.fuente, std::string("Arial"));
            QCOMPARE(impresora.puntos, 12.5f);
            impresora.fuente = "Courier";
            impresora.puntos = 9;
            l.SalvarDatos();
            QCOMPARE(FontName, std::string("Courier"));
            QCOMPARE(FontSize, 9.0f);
        }
        LogicaOpciones sin = Cargada();
        sin.SalvarDatos();
        QCOMPARE(FontName, std::string("Courier"));
        QCOMPARE(FontSize, 9.0f);
    }

    void calidadDeImpresion() {
        PrintQuality = -2;  // the stored default is a printer code
        QCOMPARE(Cargada().c.sldCalidad, 2);
        PrintQuality = 4;
        QCOMPARE(Cargada().c.sldCalidad, 4);
        PrintQuality = 77;
        QCOMPARE(Cargada().c.sldCalidad, 4);
    }

    void modos() {
        const ModoDialogo sinImpresora = Modo(kOpciones, false);
        QCOMPARE(sinImpresora.pestanas,
                 (std::vector<std::string>{"ProcesadorDSP", "Herramientas", "Opciones", "Entorno"}));
        QCOMPARE(Modo(kOpciones, true).pestanas.size(), size_t(5));
        const ModoDialogo salvar = Modo(kSalvarEntorno, true);
        QCOMPARE(salvar.pestanas, std::vector<std::string>{"Entorno"});
        QVERIFY(salvar.resetEntVisible && !salvar.tipoDatosHabilitado);
        const ModoDialogo imprimir = Modo(kImprimir, false);
        QCOMPARE(imprimir.pestanas, (std::vector<std::string>{"Entorno", "Pagina"}));
        QCOMPARE(imprimir.tituloEntorno, std::string("Impresión"));
        QVERIFY(!imprimir.resetEntVisible && imprimir.tipoDatosHabilitado);
        QCOMPARE(ContextoPestana("Entorno", kImprimir), 9600);
        QCOMPARE(ContextoPestana("Pagina", kImprimir), 9600);
        QCOMPARE(ContextoPestana("Pagina", kOpciones), 9400);
        QCOMPARE(ContextoPestana("Opciones", kOpciones), 9500);
        QCOMPARE(PanelPestana("Opciones"), 4);
        QCOMPARE(PanelPestana("otra"), -1);
    }

    // --- Section grid ---------------------------------------------------------
    void filasDeSecciones() {
        const auto filas = FilasSecciones();
        QCOMPARE(filas.size(), size_t(3));  // ConfigMem 7
        QCOMPARE(filas[1].nombre, std::string("RAM Bloque 0"));
        QVERIFY(filas[1].seleccionada);
        QCOMPARE(filas[1].desde, std::string("00809800"));
        QCOMPARE(filas[1].hasta, std::string("00809BFF"));
    }

    void seleccionYCeldasSinEfecto() {
        EditorLimite e;
        QVERIFY(!e.DobleClic(2, 1));
        QVERIFY(!gMemoria->TablaAsig(2).PrnOK());
        QVERIFY(!e.DobleClic(2, 1));
        QVERIFY(gMemoria->TablaAsig(2).PrnOK());
        QVERIFY(!e.DobleClic(0, 2));  // header row
        QVERIFY(!e.DobleClic(2, 0));  // name column
        QVERIFY(!e.DobleClic(9, 2));  // no such region
        QCOMPARE(e.Cambio(500), std::string());
    }

    void limitesDelSlider() {
        EditorLimite e;
        QVERIFY(e.DobleClic(1, 2));  // vectors 0..0x3F
        QCOMPARE(e.PasoPequeno(), 15);
        QVERIFY(e.DobleClic(2, 2));  // RAM block 0, 1024 words
        QCOMPARE(e.PasoPequeno(), 1);
        QCOMPARE(e.Cambio(0), std::string("00809800"));
        QCOMPARE(e.Cambio(1000), std::string("00809BFF"));
        QCOMPARE(e.Cambio(500), std::string("008099FF"));
        QCOMPARE(gMemoria->TablaAsig(2).PrnINI(), 0x8099FF);
        // "Hasta" then runs from the new start to the region's end.
        QVERIFY(e.DobleClic(2, 3));
        QCOMPARE(e.Cambio(0), std::string("008099FF"));
        QCOMPARE(gMemoria->TablaAsig(2).PrnFin(), 0x8099FF);
        // Start and end meet: one address, whatever the position.
        gMemoria->TablaAsig(2).PrnFin(0x809BFF);
        gMemoria->TablaAsig(2).PrnINI(0x809BFF);
        QVERIFY(e.DobleClic(2, 3));
        QCOMPARE(e.PasoPequeno(), 1);
        QCOMPARE(e.Cambio(700), std::string("00809BFF"));
    }

    // --- Page preview ------------------------------------------------------------
    void margenesEnCartaVertical() {
        std::array<int32_t, 6> t{};
        t[kSup] = 567;
        t[kIzq] = 567;
        t[kCab] = 567;
        const DibujoPagina d = CalcularPagina(12240, 15840, 1, t);
        QCOMPARE(d.textoAncho, std::string(" 216 mm"));
        QCOMPARE(d.x0, 1300);
        QCOMPARE(d.ancho, 1700);
        const LineaPagina& sup = d.lineas[0];
        QCOMPARE(sup.y1, 589);
        QCOMPARE(sup.y2, 589);
        QCOMPARE(sup.x1, 1300);
        QCOMPARE(sup.x2, 3000);
        QCOMPARE(sup.color, 0xC0u);
        const LineaPagina& cab = d.lineas[2];  // 1134 / 15840 x 2500 = 178.98
        QCOMPARE(cab.y1, 679);
        QCOMPARE(cab.color, 0x8000u);
        QCOMPARE(d.lineas[4].x1, 1379);
        QCOMPARE(d.lineas[1].y1, 3000);  // no bottom margin: on the edge
        QCOMPARE(d.lineas[5].x1, 3000);
    }

    void paginaApaisadaYMargenesFuera() {
        std::array<int32_t, 6> t{};
        t[kDer] = -567;
        t[kInf] = 100000;
        const DibujoPagina d = CalcularPagina(16838, 11906, 2, t);
        QCOMPARE(d.textoAncho, std::string(" 297 mm"));
        QCOMPARE(d.textoAlto, std::string(" 210 mm"));
        QCOMPARE((std::array{d.x0, d.y0, d.ancho, d.alto}), (std::array{1000, 800, 2500, 1700}));
        QVERIFY(d.lineas[5].x1 > d.x0 + d.ancho);  // negative right margin: outside
        QVERIFY(d.lineas[1].y1 < d.y0);            // bottom margin past the paper
        QCOMPARE(PosicionEtiqueta(0, 2, 600, 200), (std::array{1800, 600}));
        QCOMPARE(PosicionEtiqueta(1, 2, 600, 200), (std::array{100, 1550}));
        QCOMPARE(PosicionEtiqueta(0, 1, 600, 200), (std::array{1900, 250}));
        QCOMPARE(PosicionEtiqueta(1, 1, 600, 200), (std::array{600, 1400}));
    }

    // Margins at the ends of their range: the sums for the header and footer
    // lines and the lines' places are not wrapped, only kept inside 32 bits.
    void margenesExtremos() {
        constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
        std::array<int32_t, 6> t;
        t.fill(kMax);
        // 2 x 2147483647 / 15840 x 2500 = 677867312.8
        DibujoPagina d = CalcularPagina(12240, 15840, 1, t);
        QCOMPARE(d.lineas[2].y1, 500 + 677867313);
        QCOMPARE(d.lineas[3].y1, 500 + 2500 - 677867313);
        t.fill(kMin);
        d = CalcularPagina(12240, 15840, 1, t);
        QCOMPARE(d.lineas[2].y1, 500 - 677867313);  // -4294967296 / 15840 x 2500 = -677867313.1
        QCOMPARE(d.lineas[3].y1, 500 + 2500 + 677867313);
        // A paper of one twip: every offset is far past 32 bits.
        t.fill(kMax);
        d = CalcularPagina(1, 1, 1, t);
        QCOMPARE((std::array{d.lineas[0].y1, d.lineas[1].y1, d.lineas[2].y1, d.lineas[3].y1}),
                 (std::array{kMax, kMin, kMax, kMin}));
        QCOMPARE((std::array{d.lineas[4].x1, d.lineas[5].x1}), (std::array{kMax, kMin}));
    }

    void textosDeImpresoraYFuente() {
        QCOMPARE(TextoFuente("Courier New", 10), std::string("Courier New (10 pt)"));
        QCOMPARE(TextoFuente("A", 8.25f), std::string("A (8 pt)"));
        QCOMPARE(TextoFuente("A", 10.5f), std::string("A (10 pt)"));
        QCOMPARE(TextoFuente("A", 11.5f), std::string("A (12 pt)"));
        QCOMPARE(TextoImpresora("HP", "LPT1:"), std::string("HP (LPT1:)"));
        QCOMPARE(CalcularPagina(11906, 16838, 1, {}).textoAlto, std::string(" 297 mm"));
    }
};

QTEST_MAIN(TestLogicaOpciones)
#include "test_opciones_logica.moc"
