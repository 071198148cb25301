// The auxiliary-data window: its logic over tables filled by hand (kinds,
// columns, filters, rows, count, quick search), then the window inside a main
// window with recording stand-ins for the listing and memory windows.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/VistasFalsas.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FixtureListado.h"
#include "views/FrmAuxDatos.h"
#include "views/FrmMemoria.h"
#include "views/frmDASM.h"
#include "views/LogicaAuxDatos.h"
#include "views/TextoCabe.h"

using L = LogicaAuxDatos;

namespace {

// Column 0..3 texts of a row, joined with "|".
std::string Fila(const L& l, int32_t f) {
    const EstadoGrid& g = l.Grid();
    return g.Texto(f, 0) + "|" + g.Texto(f, 1) + "|" + g.Texto(f, 2) + "|" + g.Texto(f, 3);
}

std::vector<std::string> Columna3(const L& l) {
    std::vector<std::string> v;
    for (int32_t f = 1; f < l.Grid().Filas(); ++f) v.push_back(l.Grid().Texto(f, 3));
    return v;
}

void LlenarTablas() {
    CrearObjetosPrograma();
    gErrDSK->Add(12, 1, "E1 linea 12");
    gErrDSK->Add(20, 4, "W2 linea 20");
    gErrDSK->Add(31, 2, "W1 linea 31");
    gErrDSK->Add(40, 4, "W2 linea 40");
    gTablaRef->Add("cero", 0, 0, 0);
    gTablaRef->Add("Bucle", 0x809802, 1, 1);
    gTablaRef->Add("Contador", 0x809C00, -1, 2);
    gTablaRef->Add("bucle2", 0x809805, 1, 1);
    gTablaSect->Add(".text", 0x809800, 0x809802, 3);
    gTablaSect->Add(".data", 0x809C00, 0x809C01, 2);
    gPuntosRupt->Add(0x809801, "Punto1");
    gPuntosRupt->Add(0x809802, "Punto2");
    gMarcasRupt->Add(0, 0x809C00, 4, 42, 2, "Mayor");
    gMarcasRupt->Add(1, 0x809C01, 4, 0x809C00, 0, "Celdas");
    gMarcasRupt->Add(0, 0x809C02, 9, 42, 1, "RaroComp");
}

}  // namespace

class TestAuxDatos : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;
    DialogosFalsos dialogos_;

    // A main window with stand-ins for the other views and the real table window.
    std::unique_ptr<frmMain> Principal() {
        RegistrarVistasFalsas();
        RegistrarAuxDatos([] { return new FrmAuxDatos; });
        auto m = VentanaNueva(dialogos_);
        LlenarTablas();
        m->Accion("mnuVerAuxDat1")->setEnabled(true);  // as a load with these messages leaves it
        return m;
    }

    // A shown main window with one real view over the fixture program.
    std::unique_ptr<frmMain> ConVistaReal(TipoVista tipo, FabricaVista fabrica) {
        RegistrarVistasFalsas();
        RegistrarVista(tipo, std::move(fabrica));
        RegistrarAuxDatos([] { return new FrmAuxDatos; });
        auto m = VentanaNueva(dialogos_);
        m->resize(1000, 700);
        m->show();
        if (!QTest::qWaitForWindowExposed(m.get())) return nullptr;
        fixture::Cargar();
        m->Inicializar();
        return m;
    }

    FrmAuxDatos* Abrir(frmMain& m, const char* item) {
        m.EjecutarComando(item);
        auto* w = dynamic_cast<FrmAuxDatos*>(m.FrmAuxDatos());
        return w;
    }

private slots:
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
        LlenarTablas();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    void cadaTipoTieneSuTituloColumnasYFiltros_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<int>("base");
        QTest::addColumn<QStringList>("cabeceras");
        QTest::addColumn<QList<int>>("anchos");
        QTest::addColumn<QStringList>("filtros");
        QTest::newRow("mensajes") << 1 << "Errores/Avisos del fichero DSK cargado" << 8100 << 1
                                  << QStringList{"Tipo", "Linea", "", "Mensaje"} << QList<int>{400, 400, 0, 5000}
                                  << QStringList{"(Todos los Datos)", "Errores en PASS 1", "Avisos en PASS 1",
                                                 "Errores en PASS 2", "Avisos en PASS 2"};
        QTest::newRow("referencias") << 2 << "Tabla de Referencias - Lista de Identificadores" << 8200 << 6
                                     << QStringList{"Dir", "Tipo", "Contenido", "Identificador"}
                                     << QList<int>{400, 400, 1000, 5000}
                                     << QStringList{"(Todos los Datos)", "Constantes", "Etiquetas", "Def. por usuario"};
        QTest::newRow("secciones") << 3 << "Tabla de Secciones de programa" << 8300 << 10
                                   << QStringList{"Ini", "Fin", "Longitud", "Identificador"}
                                   << QList<int>{1000, 1000, 1000, 5000} << QStringList{"(Todos los Datos)"};
        QTest::newRow("puntos") << 4 << "Lista de Puntos de Ruptura" << 8400 << 11
                                << QStringList{"Celda", "", "", "Identificador"} << QList<int>{1000, 0, 0, 5000}
                                << QStringList{"(Todos los Datos)"};
        QTest::newRow("marcas") << 5 << "Lista de Marcas de Ruptura - Memoria" << 8500 << 12
                                << QStringList{"Tipo", "Celda", "Comparacion", "Identificador"}
                                << QList<int>{400, 900, 2000, 5000}
                                << QStringList{"(Todos los Datos)", "Valor Numérico", "Posición Mem."};
    }
    void cadaTipoTieneSuTituloColumnasYFiltros() {
        QFETCH(int, tipo);
        QFETCH(QString, titulo);
        QFETCH(int, ayuda);
        QFETCH(int, base);
        QFETCH(QStringList, cabeceras);
        QFETCH(QList<int>, anchos);
        QFETCH(QStringList, filtros);
        L l;
        QCOMPARE(l.Titulo(), std::string(L::kTituloDiseno));
        QVERIFY(l.TipoDatos(int16_t(tipo)));
        QCOMPARE(QString::fromStdString(l.Titulo()), titulo);
        QCOMPARE(l.ContextoAyuda(), ayuda);
        QCOMPARE(int(l.BaseIconoAuxDat()), base);
        QCOMPARE(int(l.ImagenFiltro()), base);
        QCOMPARE(int(l.ImagenTipo()), tipo);
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(QString::fromStdString(l.Grid().Texto(0, c)), cabeceras[c]);
            QCOMPARE(int(l.Grid().AnchoColumna(c)), anchos[c]);
        }
        QStringList f;
        for (const auto& t : l.Filtros()) f << QString::fromStdString(t);
        QCOMPARE(f, filtros);
        QCOMPARE(l.FiltroHabilitado(), tipo != 3 && tipo != 4);
        // The whole first row is selected.
        QCOMPARE(l.Grid().Fila(), 1);
        QCOMPARE(l.Grid().FilaSel(), 1);
        QCOMPARE(l.Grid().ColSel(), 3);
    }

    void puntosDeRuptura() {
        L l;
        l.TipoDatos(L::kPuntos);
        QCOMPARE(Fila(l, 1), std::string("00809801|||Punto1"));
        QCOMPARE(Fila(l, 2), std::string("00809802|||Punto2"));
        QCOMPARE(l.Grid().DatoFila(2), 0x809802);
        QCOMPARE(l.Grid().Imagen(1, 0), int16_t(0));
        QCOMPARE(l.Etiqueta(), std::string("Seleccionados  2 de  2"));
        QVERIFY(l.DestinoLocalizar() == L::Destino::Listado);
    }

    void seccionesVanAlListado() {
        L l;
        l.TipoDatos(L::kSecciones);
        QCOMPARE(Fila(l, 1), std::string("00809800|00809802|00000003|.text"));
        QCOMPARE(l.Grid().DatoFila(2), 0x809C00);
        l.Grid().Fila(2);
        QCOMPARE(l.DireccionLocalizar(), 0x809C00);
        QVERIFY(l.DestinoLocalizar() == L::Destino::Listado);
    }

    void mensajesPorPaso() {
        L l;
        l.TipoDatos(L::kErrores);
        QCOMPARE(l.Grid().Filas(), 5);
        QCOMPARE(l.Grid().Imagen(1, 0), int16_t(2));  // 1 + ErrDSK
        QCOMPARE(l.Grid().Imagen(2, 0), int16_t(5));
        QCOMPARE(l.Grid().DatoFila(1), 0);
        l.ElegirFiltro(4);  // "Avisos en PASS 2"
        QCOMPARE(l.ImagenFiltro(), int16_t(5));
        QCOMPARE(Fila(l, 1), std::string("| 20||W2 linea 20"));
        QCOMPARE(Fila(l, 2), std::string("| 40||W2 linea 40"));
        QCOMPARE(l.Grid().Filas(), 3);
        QCOMPARE(l.Etiqueta(), std::string("Seleccionados  2 de  4"));
        QVERIFY(l.DestinoLocalizar() == L::Destino::Ninguno);
    }

    void referenciasPorCategoria() {
        L l;
        l.TipoDatos(L::kReferencias);
        QCOMPARE(Fila(l, 3), std::string("|-1|00809C00|Contador"));
        QCOMPARE(l.Grid().Imagen(3, 0), int16_t(9));  // 6 + Dir_able + 1
        QCOMPARE(l.Grid().DatoFila(3), 0x809C00);
        l.ElegirFiltro(2);  // "Etiquetas": Dir_able 1
        QCOMPARE(Columna3(l), (std::vector<std::string>{"Bucle", "bucle2"}));
        QCOMPARE(Fila(l, 1), std::string("| 1|00809802|Bucle"));
        QCOMPARE(l.ImagenFiltro(), int16_t(8));
        QVERIFY(l.DestinoLocalizar() == L::Destino::Memoria);
    }

    void marcasPorTipoYComparacion() {
        L l;
        l.TipoDatos(L::kMarcas);
        QCOMPARE(Fila(l, 1), std::string("|00809C00| >= +42|Mayor"));
        QCOMPARE(Fila(l, 2), std::string("|00809C01| >= Conten. de $00809C00|Celdas"));
        // A comparison code outside 0-5 shows only the operand.
        QCOMPARE(Fila(l, 3), std::string("|00809C02| 42|RaroComp"));
        QCOMPARE(l.Grid().Imagen(2, 0), int16_t(14));
        l.ElegirFiltro(1);  // "Valor Numérico"
        QCOMPARE(Columna3(l), (std::vector<std::string>{"Mayor", "RaroComp"}));
        l.ElegirFiltro(2);  // "Posición Mem."
        QCOMPARE(Columna3(l), (std::vector<std::string>{"Celdas"}));
        QCOMPARE(l.Etiqueta(), std::string("Seleccionados  1 de  3"));
    }

    void tablaVaciaDaUnaFilaSinDatos() {
        CrearObjetosPrograma();
        for (int16_t tipo : {L::kNinguno, L::kErrores, L::kPuntos}) {
            L l;
            l.TipoDatos(tipo);
            if (tipo == L::kNinguno) l.Inicializar();
            QCOMPARE(l.Grid().Filas(), 2);
            QCOMPARE(Fila(l, 1), std::string("|||No hay datos en esta vista"));
            QCOMPARE(l.Grid().DatoFila(1), 0);
            QCOMPARE(l.Etiqueta(), std::string("Seleccionados  0 de  0"));
        }
    }

    void mismoTipoNoReconstruye() {
        L l;
        l.TipoDatos(L::kMarcas);
        l.ElegirFiltro(2);
        QVERIFY(!l.TipoDatos(L::kMarcas));
        QCOMPARE(l.Filtro(), 1 + 1);
        QVERIFY(l.TipoDatos(L::kReferencias));
        QCOMPARE(l.Filtro(), 0);
        QCOMPARE(l.Grid().Filas(), 5);
    }

    void busquedaRapida() {
        L l;
        l.TipoDatos(L::kReferencias);  // cero, Bucle, Contador, bucle2
        l.Buscar("B");
        QCOMPARE(l.Grid().Fila(), 2);
        QCOMPARE(l.Grid().FilaSuperior(), 2);
        QCOMPARE(l.Grid().ColSel(), 3);
        l.Buscar("bu");  // case-sensitive: only "bucle2"
        QCOMPARE(l.Grid().Fila(), 4);
        l.Buscar("Zeta");  // no match: the cursor stays and becomes the top row
        QCOMPARE(l.Grid().Fila(), 4);
        QCOMPARE(l.Grid().FilaSuperior(), 4);
        l.Buscar("Contador largo");  // longer than the cell: no match
        QCOMPARE(l.Grid().Fila(), 4);
        l.Buscar("");
        QCOMPARE(l.Grid().Fila(), 1);
    }

    // --- The window inside the main window -------------------------------------

    void abrirMostrarYCerrar() {
        auto m = Principal();
        m->resize(900, 700);
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat4");
        QVERIFY(w && w->isVisible() && w->isWindow());
        QVERIFY(m->FrmAuxDatos_LOAD());
        // Above Tarvix's own windows only: a tool window of the main window,
        // not one kept above every program on the screen.
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(m.get()));
        QCOMPARE(w->windowType(), Qt::Tool);
        QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(w->windowTitle(), QString("Lista de Puntos de Ruptura"));
        QVERIFY(!w->CmbAuxDat()->isEnabled());
        QCOMPARE(w->CmbAuxDat()->count(), 1);
        QVERIFY(w->ImgAuxDat(4)->isVisibleTo(w) && !w->ImgAuxDat(2)->isVisibleTo(w));
        QVERIFY(w->GridAuxDat()->isColumnHidden(1) && !w->GridAuxDat()->isColumnHidden(3));
        QCOMPARE(w->LblAuxDat()->text(), QString("Seleccionados  2 de  2"));
        QCOMPARE(w->GridAuxDat()->model()->data(w->GridAuxDat()->model()->index(1, 3)).toString(), QString("Punto2"));
        // Placed by the main window's outer size.
        const QSize s = m->frameGeometry().size();
        QCOMPARE(w->pos(), QPoint(s.width() - w->width() - 13, s.height() - w->height() - 33));

        QPointer<FrmAuxDatos> vigilado(w);
        w->CmdAuxDat(0)->click();
        QTRY_VERIFY(!vigilado);
        QVERIFY(!m->FrmAuxDatos_LOAD() && !m->FrmAuxDatos());
    }

    // Every shown header of every table ("Linea", "Tipo", "Dir"...) is drawn whole.
    void cabecerasCabenEnSusColumnas() {
        auto m = Principal();
        for (int tipo = 1; tipo <= 5; ++tipo) {
            FrmAuxDatos* w = Abrir(*m, qPrintable(QString("mnuVerAuxDat%1").arg(tipo)));
            QVERIFY(w);
            QApplication::processEvents();
            VistaGrid* g = w->GridAuxDat();
            for (int col = 0; col < 4; ++col) {
                if (g->isColumnHidden(col)) continue;
                const QString cabecera = g->model()->headerData(col, Qt::Horizontal).toString();
                QVERIFY2(textocabe::EnCabecera(g, col, cabecera),
                         qPrintable(QString("%1 of table %2: %3 px").arg(cabecera).arg(tipo).arg(g->columnWidth(col))));
            }
        }
    }

    // Every column that holds numbers (line numbers, counts, addresses, the
    // compared operand) shows its widest number whole, also a line of a
    // listing beyond 999 lines and an operand of many digits.
    void numerosCabenEnSusColumnas_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QList<int>>("columnas");
        QTest::newRow("mensajes") << 1 << QList<int>{1};
        QTest::newRow("referencias") << 2 << QList<int>{1, 2};
        QTest::newRow("secciones") << 3 << QList<int>{0, 1, 2};
        QTest::newRow("puntos") << 4 << QList<int>{0};
        QTest::newRow("marcas") << 5 << QList<int>{1, 2};
    }
    void numerosCabenEnSusColumnas() {
        QFETCH(int, tipo);
        QFETCH(QList<int>, columnas);
        auto m = Principal();
        gErrDSK->Add(1234, 2, "W1 linea 1234");
        gErrDSK->Add(-1, 3, "E2 sin linea");
        gErrDSK->Add(32767, 4, "W2 linea 32767");
        gTablaRef->Add("Borde", int32_t(0xDDDDDDDD), -32768, 2);
        gTablaSect->Add(".borde", int32_t(0xBDBDBDBD), int32_t(0xDDDDDDDD), 0x0D0D0D0D);
        gPuntosRupt->Add(int32_t(0xDDDDDDDD), "PuntoBorde");
        gMarcasRupt->Add(0, int32_t(0xDDDDDDDD), 5, int32_t(0xFF7FFFFF), 3, "Flotante");
        gMarcasRupt->Add(1, 0x809C03, 1, int32_t(0xDDDDDDDD), 0, "CeldaBorde");
        FrmAuxDatos* w = Abrir(*m, qPrintable(QString("mnuVerAuxDat%1").arg(tipo)));
        QVERIFY(w);
        QApplication::processEvents();
        VistaGrid* g = w->GridAuxDat();
        for (int col : columnas) {
            QVERIFY(!g->isColumnHidden(col));
            for (int fila = 0; fila < g->model()->rowCount(); ++fila) {
                const QModelIndex celda = g->model()->index(fila, col);
                const QString texto = celda.data().toString();
                QVERIFY2(textocabe::EnCelda(g, celda, texto),
                         qPrintable(QString("\"%1\" in column %2: %3 px").arg(texto).arg(col).arg(g->columnWidth(col))));
            }
        }
        // The columns are never narrower than laid down, nor than their header.
        for (int col = 0; col < 4; ++col) {
            if (g->isColumnHidden(col)) continue;
            QVERIFY(g->columnWidth(col) >= VistaGrid::Pixeles(w->Logica().Grid().AnchoColumna(col)));
            QVERIFY(textocabe::EnCabecera(g, col, g->model()->headerData(col, Qt::Horizontal).toString()));
        }
    }

    void localizarVaALaVentanaDeSuTabla() {
        auto m = Principal();
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat3");
        w->Logica().Grid().Fila(2);
        w->CmdAuxDat(1)->click();
        QCOMPARE(Cuenta("DASM.BuscarCelda"), 1);
        Abrir(*m, "mnuVerAuxDat2");
        QCOMPARE(m->FrmAuxDatos(), static_cast<IVistaAuxDatos*>(w));
        w->TxtBusqueda()->setText("Con");  // row 3, Contador
        QCOMPARE(w->Logica().Grid().Fila(), 3);
        QTest::keyClick(w->TxtBusqueda(), Qt::Key_Return);  // Enter is "Localizar"
        QCOMPARE(Cuenta("Memoria.BuscarCelda " + std::to_string(0x809C00)), 1);
        // A double click on a row does the same.
        const QModelIndex i = w->GridAuxDat()->model()->index(1, 3);
        w->GridAuxDat()->setCurrentIndex(i);
        emit w->GridAuxDat()->doubleClicked(i);
        QCOMPARE(Cuenta("Memoria.BuscarCelda " + std::to_string(0x809802)), 1);
        // Messages go nowhere.
        Abrir(*m, "mnuVerAuxDat1");
        const size_t antes = gLlamadas.size();
        w->Localizar();
        QCOMPARE(gLlamadas.size(), antes);
        QPointer<FrmAuxDatos> vigilado(w);
        QTest::keyClick(w->TxtBusqueda(), Qt::Key_Escape);  // Escape is "Cerrar"
        QTRY_VERIFY(!vigilado);
    }

    // With the real listing window: a section row shows the section's first
    // address, the listing's selector moving to where that address is.
    void localizarSeccionEnElListado() {
        auto m = ConVistaReal(TipoVista::DASM, [] { return new frmDASM; });
        QVERIFY(m);
        auto* dasm = dynamic_cast<frmDASM*>(m->frmDASM());
        QVERIFY(dasm);
        dasm->CmbTipoDASM()->setCurrentIndex(LogicaDASM::kSecciones);
        emit dasm->CmbTipoDASM()->activated(LogicaDASM::kSecciones);
        QCOMPARE(dasm->CmbSecDASM()->currentText(), QString(".text"));
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat3");
        QCOMPARE(w->Logica().Grid().Texto(2, 3), std::string(".data"));
        w->Logica().Grid().Fila(2);
        w->CmdAuxDat(1)->click();
        QCOMPARE(dasm->PosMemAct(), fixture::kData);
        QCOMPARE(dasm->CmbSecDASM()->currentText(), QString(".data"));
    }

    // With the real memory window: a reference shows its cell; the row of an
    // empty list passes 0, which makes the memory window ask for an address.
    void localizarReferenciaEnLaMemoria() {
        auto m = ConVistaReal(TipoVista::Memoria, [] { return new FrmMemoria; });
        QVERIFY(m);
        gTablaRef->Add("dato", fixture::kData + 1, 1, 1);
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat2");
        w->CmdAuxDat(1)->click();
        auto* mem = dynamic_cast<FrmMemoria*>(m->FrmMemoria(false));
        QVERIFY(mem);
        QCOMPARE(mem->Logica().DireccionActual(), fixture::kData + 1);
        QVERIFY(cuadros_->entradas.empty());
        Abrir(*m, "mnuVerAuxDat5");  // no watch marks
        w->CmdAuxDat(1)->click();
        QCOMPARE(cuadros_->entradas.size(), size_t(1));
    }

    // Enter is "Localizar" and Escape "Cerrar" from the grid and the combo too;
    // Enter on a focused button presses that button.
    void teclasDelDialogo_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("grid") << "GridAuxDat";
        QTest::newRow("combo") << "CmbAuxDat";
        QTest::newRow("cerrar") << "CmdAuxDat0";
    }
    void teclasDelDialogo() {
        QFETCH(QString, control);
        auto m = Principal();
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat2");
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* c = w->findChild<QWidget*>(control);
        QVERIFY(c && c->isEnabled());
        QPointer<FrmAuxDatos> vigilado(w);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Return);
        const bool cerrar = control == "CmdAuxDat0";
        QCOMPARE(Cuenta("Memoria.BuscarCelda 0"), cerrar ? 0 : 1);  // row 1, "cero"
        if (!cerrar) QTest::keyClick(c, Qt::Key_Escape);
        QTRY_VERIFY(!vigilado);
    }

    // The row icon sits in the middle of column 0; that cell is the current
    // one and keeps its own colours while the rest of the row is highlighted,
    // as in the other grids.
    void iconoCentradoEnLaCeldaActual() {
        auto m = Principal();
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat5");
        QVERIFY(QTest::qWaitForWindowExposed(w));
        VistaGrid* g = w->GridAuxDat();
        QCOMPARE(g->currentIndex(), g->model()->index(0, 0));
        const QImage imagen = g->viewport()->grab().toImage();
        const QColor fondo = g->palette().color(QPalette::Base);
        const QRect celda = g->visualRect(g->model()->index(0, 0));
        const int y = celda.center().y();
        int izquierda = -1, derecha = -1;
        for (int x = celda.left(); x <= celda.right(); ++x) {
            if (imagen.pixelColor(x, y) == fondo) continue;
            if (izquierda < 0) izquierda = x;
            derecha = x;
        }
        QVERIFY(izquierda > celda.left());
        QVERIFY(std::abs((izquierda - celda.left()) - (celda.right() - derecha)) <= 2);
        const QRect resto = g->visualRect(g->model()->index(0, 3));
        QVERIFY(imagen.pixelColor(resto.center()) != fondo);
    }

    void refrescoVuelveATodos() {
        auto m = Principal();
        FrmAuxDatos* w = Abrir(*m, "mnuVerAuxDat5");
        w->CmbAuxDat()->setCurrentIndex(2);
        emit w->CmbAuxDat()->activated(2);
        QCOMPARE(w->LblAuxDat()->text(), QString("Seleccionados  1 de  3"));
        QVERIFY(!w->PicAuxDat()->pixmap().isNull());
        m->Refrescar();
        QCOMPARE(w->CmbAuxDat()->currentIndex(), 0);
        QCOMPARE(w->LblAuxDat()->text(), QString("Seleccionados  3 de  3"));
        // A new watch mark shows after the main window asks for a refill.
        gMarcasRupt->Add(0, 0x809C03, 0, 1, 0, "Nueva");
        w->Actualizar();
        QCOMPARE(w->LblAuxDat()->text(), QString("Seleccionados  4 de  4"));
    }
};

QTEST_MAIN(TestAuxDatos)
#include "test_auxdatos.moc"
