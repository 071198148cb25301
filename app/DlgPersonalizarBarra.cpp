#include "app/DlgPersonalizarBarra.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

#include "app/BarraHerramientas.h"
#include "app/Imagenes.h"

namespace {

constexpr int kRolClave = Qt::UserRole;

QListWidgetItem* Elemento(const std::string& clave, QStyle* estilo) {
    auto* e = new QListWidgetItem;
    e->setData(kRolClave, QString::fromStdString(clave));
    if (clave == kSeparador) {
        e->setText("Separador");
    } else {
        const BotonBarra* b = BuscarBoton(clave);
        e->setText(QString::fromStdString(b->descripcion));
        e->setIcon(IconoBoton(clave, estilo));
    }
    return e;
}

}  // namespace

DlgPersonalizarBarra::DlgPersonalizarBarra(const std::vector<std::string>& disposicion, QWidget* padre)
    : QDialog(padre), disponibles_(new QListWidget(this)), mostrados_(new QListWidget(this)) {
    setWindowTitle("Personalizar barra de herramientas");
    setObjectName("DlgPersonalizarBarra");
    disponibles_->setObjectName("Disponibles");
    mostrados_->setObjectName("Mostrados");
    auto* rejilla = new QGridLayout;
    rejilla->addWidget(new QLabel("Botones disponibles:", this), 0, 0);
    rejilla->addWidget(new QLabel("Botones de la barra:", this), 0, 2);
    rejilla->addWidget(disponibles_, 1, 0);
    rejilla->addWidget(mostrados_, 1, 2);
    auto* centro = new QVBoxLayout;
    auto boton = [&](const char* texto, const char* nombre, void (DlgPersonalizarBarra::*accion)()) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        connect(b, &QPushButton::clicked, this, accion);
        centro->addWidget(b);
    };
    boton("&Añadir ->", "Anadir", &DlgPersonalizarBarra::Anadir);
    boton("<- &Quitar", "Quitar", &DlgPersonalizarBarra::Quitar);
    centro->addSpacing(12);
    boton("&Subir", "Subir", &DlgPersonalizarBarra::Subir);
    boton("&Bajar", "Bajar", &DlgPersonalizarBarra::Bajar);
    centro->addSpacing(12);
    boton("&Restablecer", "Restablecer", &DlgPersonalizarBarra::Restablecer);
    centro->addStretch();
    rejilla->addLayout(centro, 1, 1);
    auto* caja = new QDialogButtonBox(this);
    caja->addButton(QDialogButtonBox::Ok)->setText("Aceptar");
    caja->addButton(QDialogButtonBox::Cancel)->setText("Cancelar");
    connect(caja, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(caja, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(rejilla);
    capa->addWidget(caja);
    connect(disponibles_, &QListWidget::itemDoubleClicked, this, &DlgPersonalizarBarra::Anadir);
    connect(mostrados_, &QListWidget::itemDoubleClicked, this, &DlgPersonalizarBarra::Quitar);
    Cargar(disposicion);
    resize(560, 420);
}

void DlgPersonalizarBarra::Cargar(const std::vector<std::string>& disposicion) {
    disponibles_->clear();
    mostrados_->clear();
    std::set<std::string> mostradas;
    for (const std::string& c : disposicion) {
        mostrados_->addItem(Elemento(c, style()));
        mostradas.insert(c);
    }
    // The separator is always available; buttons only while not shown.
    disponibles_->addItem(Elemento(kSeparador, style()));
    for (const BotonBarra& b : BotonesBarra())
        if (!mostradas.count(b.clave)) disponibles_->addItem(Elemento(b.clave, style()));
}

std::vector<std::string> DlgPersonalizarBarra::Disposicion() const {
    std::vector<std::string> d;
    for (int i = 0; i < mostrados_->count(); ++i)
        d.push_back(mostrados_->item(i)->data(kRolClave).toString().toStdString());
    return d;
}

void DlgPersonalizarBarra::Anadir() {
    QListWidgetItem* e = disponibles_->currentItem();
    if (!e) return;
    const std::string clave = e->data(kRolClave).toString().toStdString();
    const int destino = mostrados_->currentRow() < 0 ? mostrados_->count() : mostrados_->currentRow() + 1;
    if (clave == kSeparador) {
        mostrados_->insertItem(destino, Elemento(kSeparador, style()));
    } else {
        mostrados_->insertItem(destino, disponibles_->takeItem(disponibles_->row(e)));
    }
    mostrados_->setCurrentRow(destino);
}

void DlgPersonalizarBarra::Quitar() {
    const int fila = mostrados_->currentRow();
    if (fila < 0) return;
    QListWidgetItem* e = mostrados_->takeItem(fila);
    if (e->data(kRolClave).toString().toStdString() == kSeparador) {
        delete e;
        return;
    }
    // Back among the available buttons, in toolbar-table order.
    const std::string clave = e->data(kRolClave).toString().toStdString();
    int pos = 1;
    for (const BotonBarra& b : BotonesBarra()) {
        if (b.clave == clave) break;
        if (pos < disponibles_->count() &&
            disponibles_->item(pos)->data(kRolClave).toString().toStdString() == b.clave)
            ++pos;
    }
    disponibles_->insertItem(pos, e);
}

void DlgPersonalizarBarra::Subir() {
    const int fila = mostrados_->currentRow();
    if (fila <= 0) return;
    mostrados_->insertItem(fila - 1, mostrados_->takeItem(fila));
    mostrados_->setCurrentRow(fila - 1);
}

void DlgPersonalizarBarra::Bajar() {
    const int fila = mostrados_->currentRow();
    if (fila < 0 || fila + 1 >= mostrados_->count()) return;
    mostrados_->insertItem(fila + 1, mostrados_->takeItem(fila));
    mostrados_->setCurrentRow(fila + 1);
}

void DlgPersonalizarBarra::Restablecer() { Cargar(DisposicionPredeterminada()); }
