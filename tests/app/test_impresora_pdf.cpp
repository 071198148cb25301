// The Qt printer writing a real PDF file, read back with pdftotext.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "data/Informe.h"
#include "fakes/CuadrosFalsos.h"
#include "platform/qt/ImpresoraQt.h"

using plataforma::EstadoImpresion;
using plataforma::ImpresoraQt;

namespace {

// Text of the PDF, pages separated by form feeds; empty when pdftotext fails.
QString TextoPdf(const QString& ruta) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Palabra {
    int pagina;
    QRectF caja;  // points
    QString texto;
};

// Every word of the PDF with its box, by pdftotext's -bbox output.
QList<Palabra> PalabrasPdf(const QString& ruta, QSizeF& pagina) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), ruta, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression hoja(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression palabra(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>|<page )re"));
    if (const auto m = hoja.match(html); m.hasMatch()) pagina = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    QList<Palabra> r;
    int n = 0;
    for (auto it = palabra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5).isNull() && m.captured(1).isNull()) {
            ++n;
            continue;
        }
        r.push_back({n, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                     m.captured(5)});
    }
    return r;
}

// The listing alone, in the given font, to a PDF file.
void ImprimirListado(ImpresoraQt& imp, const QString& ruta, float puntos) {
    plataforma::EstablecerImpresora(&imp);
    imp.PreguntaFicheroPdf([ruta] { return ruta.toStdString(); });
    imp.FontName("Courier New");
    imp.FontSize(puntos);
    MgSup = MgInf = MgIzq = MgDer = MgCab = MgPie = 10;
    CrearObjetosPrograma();
    Registros = Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    DASM = true;
    gFichDSK = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    ImprimirEntorno();
    plataforma::EstablecerImpresora(nullptr);
}

}  // namespace

class TestImpresoraPdf : public QObject {
    Q_OBJECT
private slots:
    void imprimeDosPaginasEnUnPdf();
    void sinNombreDeFicheroNoHayTrabajo();
    void unaPaginaYMedidasDeA4();
    void elInformeEnteroEnUnPdf();
    void unaFuenteGrandeLlevaLasFilasLargasALaLineaSiguiente();
    void unaFuenteDemasiadoAnchaNoImprimeNada();
    void laCabeceraYElPieQuedanEnSusBandas();
};

void TestImpresoraPdf::imprimeDosPaginasEnUnPdf() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("informe.pdf"));
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    QVERIFY(imp.EsPdf());
    imp.FicheroPdf(ruta.toStdString());

    imp.CurrentX(567);
    imp.CurrentY(1134);
    imp.FontBold(true);
    imp.Print("Registros CPU", true);
    imp.FontBold(false);
    QCOMPARE(imp.CurrentX(), 0.0);
    QVERIFY(std::abs(imp.CurrentY() - (1134 + imp.TextHeight("X"))) < 0.01);
    imp.CurrentX(567);
    imp.Print("PC      ", false);
    QVERIFY(std::abs(imp.CurrentX() - (567 + imp.TextWidth("PC      "))) < 0.01);
    imp.Print("00809800", true);
    imp.Line(567, 2000, imp.ScaleWidth() - 567, 2000);
    QCOMPARE(imp.Page(), 1);
    imp.NewPage();
    QCOMPARE(imp.Page(), 2);
    QCOMPARE(imp.CurrentY(), 0.0);
    imp.CurrentX(567);
    imp.CurrentY(1134);
    imp.Print("Código Desensamblado.- 2", true);
    imp.EndDoc();
    QCOMPARE(imp.Estado(), EstadoImpresion::Correcto);
    QCOMPARE(imp.Page(), 1);
    QVERIFY(imp.FicheroPdf().empty());

    const QString texto = TextoPdf(ruta);
    const QStringList paginas = texto.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(paginas.size(), 2);
    QVERIFY2(paginas[0].contains(QStringLiteral("Registros CPU")), qPrintable(texto));
    QVERIFY(paginas[0].contains(QStringLiteral("PC")));
    QVERIFY(paginas[0].contains(QStringLiteral("00809800")));
    QVERIFY(paginas[1].contains(QStringLiteral("Código Desensamblado.- 2")));
}

void TestImpresoraPdf::sinNombreDeFicheroNoHayTrabajo() {
    QTemporaryDir dir;
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    int preguntas = 0;
    imp.PreguntaFicheroPdf([&] { ++preguntas; return std::string(); });
    imp.Print("nada", true);
    imp.Line(0, 0, 100, 100);
    imp.NewPage();
    QCOMPARE(preguntas, 1);
    QCOMPARE(imp.Estado(), EstadoImpresion::Cancelado);
    QCOMPARE(imp.Page(), 1);
    imp.EndDoc();
    QVERIFY(QDir(dir.path()).isEmpty());

    // The next document asks again and prints.
    const QString ruta = dir.filePath(QStringLiteral("segundo.pdf"));
    imp.PreguntaFicheroPdf([&] { ++preguntas; return ruta.toStdString(); });
    imp.Print("segundo documento", true);
    imp.EndDoc();
    QCOMPARE(preguntas, 2);
    QCOMPARE(imp.Estado(), EstadoImpresion::Correcto);
    QVERIFY(TextoPdf(ruta).contains(QStringLiteral("segundo documento")));
}

void TestImpresoraPdf::unaPaginaYMedidasDeA4() {
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    // A4 is 210 x 297 mm: 11906 x 16838 twips; a PDF has no unprintable border.
    QVERIFY(std::abs(imp.PageWidth() - 11906) < 2);
    QVERIFY(std::abs(imp.PageHeight() - 16838) < 2);
    QVERIFY(std::abs(imp.ScaleWidth() - imp.PageWidth()) < 10);
    QCOMPARE(imp.Orientation(), 1);
    imp.FontName("Courier New");
    imp.FontSize(12);
    QCOMPARE(imp.FontSize(), 12.0f);
    imp.Copies(3);
    QCOMPARE(imp.Copies(), 3);
    QVERIFY(imp.TextWidth("WWWW") > imp.TextWidth("WW"));
    // Nothing drawn: no job, no file asked for.
    bool preguntado = false;
    imp.PreguntaFicheroPdf([&] { preguntado = true; return std::string(); });
    imp.EndDoc();
    QVERIFY(!preguntado);
}

// The whole report through the Qt printer: pages, headers, footers and rows.
void TestImpresoraPdf::elInformeEnteroEnUnPdf() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("entorno.pdf"));
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    plataforma::EstablecerImpresora(&imp);
    imp.PreguntaFicheroPdf([&] { return ruta.toStdString(); });
    EstablecerReloj([] { return FechaHora{2026, 12, 10, 3, 9, 5, 7}; });

    ConfigMem = 7;
    ModeloDSP = 1;
    ModoDSP = 0;
    Frecuencia_Reloj = 50;
    CrearObjetosPrograma();
    Registros = Memoria = DASM = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = true;
    gFichDSK = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    gRegistros->PC(0x809800);
    gMemoria->TablaAsig(1).PrnOK(false);
    gMemoria->TablaAsig(3).PrnOK(false);
    gMemoria->TablaAsig(2).PrnFin(0x80981F);
    gTablaRef->Add("inicio", 0x809800, 1, 1);
    gTablaSect->Add(".text", 0x809800, 0x809804, 5);
    gPuntosRupt->Add(0x809804, "fin");

    ImprimirEntorno();
    plataforma::EstablecerImpresora(nullptr);
    EstablecerReloj({});
    QCOMPARE(imp.Estado(), EstadoImpresion::Correcto);

    // pdftotext places words by their position: compare with single blanks.
    QStringList paginas = TextoPdf(ruta).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(paginas.size(), 5);
    for (QString& p : paginas) p = p.simplified();
    const char* pies[] = {"Registros CPU.- 1", "Volcado de Memoria.- 2", "Código Desensamblado.- 3",
                          "Tabla de Referencia - Lista de Indentificadores.- 4", "Lista de Puntos de Ruptura.- 5"};
    for (int p = 0; p < 5; ++p) {
        QVERIFY2(paginas[p].contains(QStringLiteral("Tarvix")), qPrintable(paginas[p]));
        QVERIFY(paginas[p].contains(QStringLiteral("TMS320C31-MP(50)")));
        QVERIFY(paginas[p].contains(QStringLiteral("10/12/2026-JUE 09:05:07")));
        QVERIFY2(paginas[p].contains(QString::fromUtf8(pies[p])), pies[p]);
    }
    QVERIFY(paginas[0].contains(QStringLiteral("PC 00809800 8427520 +8427520")));
    QVERIFY(paginas[1].contains(QStringLiteral("00809800 00809BFF RAM Bloque 0 OK 00809800 0080981F")));
    QVERIFY(paginas[2].contains(QStringLiteral("LDI @dato,R0")));
    QVERIFY(!paginas[2].contains(QStringLiteral(">>>> ref")));
    QVERIFY(paginas[4].contains(QStringLiteral("00809804 fin")));
}

// At 16 points on A4 with 10 mm margins the listing's long lines go on over
// further lines: every word lies left of the right margin and, but for the
// footer's, above the footer.
void TestImpresoraPdf::unaFuenteGrandeLlevaLasFilasLargasALaLineaSiguiente() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("listado.pdf"));
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    ImprimirListado(imp, ruta, 16);
    QCOMPARE(imp.Estado(), EstadoImpresion::Correcto);

    QSizeF pagina;
    const QList<Palabra> palabras = PalabrasPdf(ruta, pagina);
    QVERIFY(!palabras.isEmpty());
    const double mm = 72 / 25.4;
    const double derecha = pagina.width() - 10 * mm, pie = pagina.height() - 20 * mm;
    QStringList todas;
    for (const Palabra& p : palabras) {
        todas << p.texto;
        QVERIFY2(p.caja.right() <= derecha + 0.5, qPrintable(p.texto));
        if (p.caja.top() < pie) QVERIFY2(p.caja.bottom() <= pie + 0.5, qPrintable(p.texto));
    }
    // The last words of the longest lines are there.
    for (const char* w : {"section", "datos", "(sect", "data)"})
        QVERIFY2(todas.contains(QString::fromUtf8(w)), w);
}

// A font with which the register rows do not fit across the body, and a
// footer with no band nor bottom margin to stand in, are refused with a box;
// no file is asked for and nothing is reported as printed.
void TestImpresoraPdf::unaFuenteDemasiadoAnchaNoImprimeNada() {
    struct Caso {
        const char* nombre;
        float puntos;
        bool registros;
        int16_t inferior;  // bottom margin and footer band, mm
        const char* motivo;
    };
    const Caso casos[] = {{"register rows at 16 pt", 16, true, 10, "fila"},
                          {"no footer band at 10 pt", 10, false, 0, "pie de página"}};
    for (const Caso& c : casos) {
        prueba::CuadrosFalsos cuadros;
        ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
        bool preguntado = false;
        imp.PreguntaFicheroPdf([&] { preguntado = true; return std::string(); });
        plataforma::EstablecerImpresora(&imp);
        imp.FontName("Courier New");
        imp.FontSize(c.puntos);
        MgSup = MgIzq = MgDer = MgCab = 10;
        MgInf = MgPie = c.inferior;
        CrearObjetosPrograma();
        Registros = c.registros;
        DASM = !c.registros;
        gFichDSK = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
        Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
        ImprimirEntorno();
        plataforma::EstablecerImpresora(nullptr);
        QVERIFY2(!preguntado, c.nombre);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Imprimir Entorno"));
        QVERIFY2(cuadros.mostrados[0].texto.find(c.motivo) != std::string::npos, cuadros.mostrados[0].texto.c_str());
    }
}

// At 16 points on A4 with margins and bands of 10 mm the title lies inside
// the header band and the date and page label inside the footer band, each
// clear of the band's rule.
void TestImpresoraPdf::laCabeceraYElPieQuedanEnSusBandas() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("bandas.pdf"));
    ImpresoraQt imp(ImpresoraQt::Destino::Pdf);
    EstablecerReloj([] { return FechaHora{2026, 12, 10, 3, 9, 5, 7}; });
    ImprimirListado(imp, ruta, 16);
    EstablecerReloj({});
    QCOMPARE(imp.Estado(), EstadoImpresion::Correcto);

    QSizeF pagina;
    const QList<Palabra> palabras = PalabrasPdf(ruta, pagina);
    const double mm = 72 / 25.4;
    int titulos = 0, pies = 0;
    for (const Palabra& p : palabras) {
        const QString t = p.texto;
        if (t == QStringLiteral("Tarvix")) {
            ++titulos;
            QVERIFY2(p.caja.top() >= 10 * mm && p.caja.bottom() < 20 * mm,
                     qPrintable(QStringLiteral("%1-%2").arg(p.caja.top()).arg(p.caja.bottom())));
        } else if (t.startsWith(QStringLiteral("10/12/2026")) || t == QStringLiteral("Desensamblado.-")) {
            ++pies;
            QVERIFY2(p.caja.top() > pagina.height() - 20 * mm && p.caja.bottom() <= pagina.height() - 10 * mm,
                     qPrintable(QStringLiteral("%1 %2-%3").arg(t).arg(p.caja.top()).arg(p.caja.bottom())));
        }
    }
    QVERIFY(titulos >= 1);
    QCOMPARE(pies, 2 * titulos);
}

QTEST_MAIN(TestImpresoraPdf)
#include "test_impresora_pdf.moc"
