// The Qt printer writing a real PDF file, read back with pdftotext.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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

}  // namespace

class TestImpresoraPdf : public QObject {
    Q_OBJECT
private slots:
    void imprimeDosPaginasEnUnPdf();
    void sinNombreDeFicheroNoHayTrabajo();
    void unaPaginaYMedidasDeA4();
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

QTEST_MAIN(TestImpresoraPdf)
#include "test_impresora_pdf.moc"
