#include "app/Imagenes.h"

#include <QLinearGradient>
#include <algorithm>
#include <array>
#include <QPainter>
#include <QStyle>
#include <map>

namespace {

// A rounded tile in the group's colour with a short label.
QIcon Ficha(const QColor& color, const QString& texto) {
    QPixmap p(24, 24);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(color);
    g.setPen(color.darker(150));
    g.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont f = g.font();
    f.setPixelSize(texto.size() > 2 ? 8 : 11);
    f.setBold(true);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, texto);
    return QIcon(p);
}

}  // namespace

QIcon IconoBoton(const std::string& clave, QStyle* estilo) {
    static const std::map<std::string, QStyle::StandardPixmap> estandar = {
        {"Cargar", QStyle::SP_DialogOpenButton}, {"SalvarEnt", QStyle::SP_DialogSaveButton},
        {"RecupEnt", QStyle::SP_FileDialogContentsView}, {"Run", QStyle::SP_MediaPlay},
        {"RunTempo", QStyle::SP_MediaSeekForward}, {"Stop", QStyle::SP_MediaStop},
        {"Pause", QStyle::SP_MediaPause}, {"Reset", QStyle::SP_MediaSkipBackward},
        {"RefrescarConten", QStyle::SP_BrowserReload}, {"AyudaConten", QStyle::SP_DialogHelpButton},
        {"AyudaContex", QStyle::SP_TitleBarContextHelpButton}, {"AyudaBuscar", QStyle::SP_FileDialogDetailedView},
        {"Sugerencia", QStyle::SP_MessageBoxInformation},
    };
    if (auto it = estandar.find(clave); it != estandar.end() && estilo) return estilo->standardIcon(it->second);
    struct F {
        QColor color;
        const char* texto;
    };
    static const std::map<std::string, F> fichas = {
        {"Imprimir", {QColor(90, 90, 90), "Imp"}},
        {"MarcaRupt", {QColor(0, 120, 200), "M"}}, {"QuitarMarcas", {QColor(0, 80, 140), "-M"}},
        {"Identificador", {QColor(0, 140, 140), "Id"}}, {"EditarCelda", {QColor(0, 110, 90), "Ed"}},
        {"PuntosRupt", {QColor(170, 40, 40), "P"}}, {"QuitarPuntos", {QColor(120, 30, 30), "-P"}},
        {"PP1", {QColor(40, 130, 40), "1"}}, {"PP2", {QColor(40, 100, 40), "F"}},
        {"2Stop", {QColor(200, 120, 0), "->|"}},
        {"DASM", {QColor(70, 70, 160), "Cod"}}, {"Registros", {QColor(70, 70, 160), "Reg"}},
        {"Memoria", {QColor(70, 70, 160), "Mem"}}, {"PPL", {QColor(70, 70, 160), "PPL"}},
        {"TablaRef", {QColor(110, 70, 140), "Ref"}}, {"TablaSect", {QColor(110, 70, 140), "Sec"}},
        {"TablaPuntosRupt", {QColor(110, 70, 140), "TP"}}, {"TablaMarcasRupt", {QColor(110, 70, 140), "TM"}},
        {"Editor", {QColor(120, 90, 40), "Edt"}}, {"Calculadora", {QColor(120, 90, 40), "Cal"}},
        {"Ensamblador", {QColor(120, 90, 40), "Asm"}}, {"ModuloDSK", {QColor(120, 90, 40), "DSK"}},
        {"InstrSig", {QColor(200, 160, 0), "PC"}}, {"PPLClear", {QColor(100, 100, 100), "Vac"}},
        {"Opciones", {QColor(90, 90, 90), "Opc"}},
    };
    if (auto it = fichas.find(clave); it != fichas.end()) return Ficha(it->second.color, it->second.texto);
    return Ficha(Qt::gray, "?");
}

namespace {

// A wheel whose bright quarter turns one step per frame, coloured by group.
QPixmap DibujarAnimacion(int numero) {
    static const QColor colores[4] = {QColor(0, 150, 0), QColor(220, 130, 0), QColor(0, 90, 200),
                                      QColor(150, 0, 170)};
    const int grupo = (numero - 1) / 4;
    const int paso = (numero - 1) % 4;
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    for (int q = 0; q < 4; ++q) {
        g.setBrush(q == paso ? colores[grupo] : colores[grupo].lighter(170));
        g.setPen(Qt::NoPen);
        g.drawPie(QRectF(1, 1, 14, 14), (90 - q * 90) * 16, -90 * 16);
    }
    return p;
}

}  // namespace

QPixmap ImagenAnimacion(int numero) {
    // Drawn once: a run shows a frame on every tick.
    static const std::array<QPixmap, 16> imagenes = [] {
        std::array<QPixmap, 16> a;
        for (int i = 0; i < 16; ++i) a[size_t(i)] = DibujarAnimacion(i + 1);
        return a;
    }();
    return imagenes[size_t(std::clamp(numero, 1, 16) - 1)];
}

QPixmap ImagenSplash(const QSize& tamano) {
    QPixmap p(tamano);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, tamano.width(), tamano.height());
    fondo.setColorAt(0, QColor(10, 40, 90));
    fondo.setColorAt(1, QColor(20, 110, 150));
    g.fillRect(p.rect(), fondo);
    // A stylised chip.
    const QRectF chip(30, 50, 110, 110);
    g.setPen(QPen(QColor(200, 220, 240), 3));
    for (int i = 0; i < 5; ++i) {
        const double d = 62 + i * 18;
        g.drawLine(QPointF(chip.left() - 12, d), QPointF(chip.left(), d));
        g.drawLine(QPointF(chip.right(), d), QPointF(chip.right() + 12, d));
    }
    g.setBrush(QColor(30, 30, 40));
    g.drawRoundedRect(chip, 8, 8);
    QFont f = g.font();
    f.setPixelSize(18);
    f.setBold(true);
    g.setFont(f);
    g.setPen(QColor(230, 230, 230));
    g.drawText(chip, Qt::AlignCenter, "C3x");
    f.setPixelSize(44);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(170, 50, tamano.width() - 180, 60), Qt::AlignLeft | Qt::AlignVCenter, "Tarvix");
    f.setPixelSize(15);
    f.setBold(false);
    g.setFont(f);
    g.drawText(QRect(172, 110, tamano.width() - 180, 50), Qt::AlignLeft | Qt::TextWordWrap,
               "Simulador y depurador del DSP TMS320C3x");
    return p;
}
