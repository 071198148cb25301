// Names the user types where they are typed (a memory cell's identifier, a
// breakpoint's name, a watch mark's identifier): a name the environment file
// cannot hold as it is gets a box and is asked again with the text typed; every
// name accepted reads back identical after Salvar Entorno and Recuperar Entorno.
#include <QtTest>

#include <filesystem>
#include <unistd.h>

#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FixtureListado.h"
#include "views/LogicaDASM.h"
#include "views/LogicaMarcasRupt.h"
#include "views/LogicaMemoria.h"

namespace {

// What the refusal box says after "El identificador <" and the name.
const std::string kAviso =
    "> no es válido.\rUn identificador no puede contener comillas dobles (\") ni saltos de línea (retorno de "
    "carro o avance de línea).";

// The refusal box, the input box asked again with the typed text, and nothing
// added; or, for a name accepted, no box and the name added as typed.
template <class Lista>
void Comprobar(const prueba::CuadrosFalsos& cuadros, const Lista& lista, const std::string& nombre, bool admitido,
               const std::string& titulo) {
    if (admitido) {
        QVERIFY(cuadros.mostrados.empty());
        QCOMPARE(lista.count(), 1);
        QCOMPARE(lista.Item(1).Identificador(), nombre);
        return;
    }
    QCOMPARE(lista.count(), 0);
    QCOMPARE(cuadros.mostrados.size(), size_t(1));
    const plataforma::Cuadro& c = cuadros.mostrados[0];
    QCOMPARE(c.texto, "El identificador <" + nombre + kAviso);
    QCOMPARE(c.titulo, titulo);
    QCOMPARE(c.icono, plataforma::Icono::Exclamacion);
    QCOMPARE(cuadros.entradas.size(), size_t(2));
    QCOMPARE(cuadros.entradas[1].porDefecto, nombre);
    QCOMPARE(cuadros.entradas[1].mensaje, cuadros.entradas[0].mensaje);
    QCOMPARE(cuadros.entradas[1].titulo, cuadros.entradas[0].titulo);
}

// The memory window as loaded, its current cell in the first region.
struct VentanaMemoria {
    LogicaMemoria v;
    VentanaMemoria() {
        v.Grid().FilasVisibles(10);
        v.Cargar();
    }
};

// The listing window on a row with code.
struct Listado {
    LogicaDASM v;
    Listado() {
        v.Grid().FilasVisibles(20);
        v.ElegirTipo(LogicaDASM::kFichero);
        v.Grid().Fila(3);
    }
};

LogicaMarcasRupt& DialogoMarca() {
    LogicaMarcasRupt& d = LogicaMarcasRupt::Dialogo();
    d.PosMemAct(fixture::kData);
    d.Cargar();
    return d;
}

// Saves the identifier tables and lists, empties them and restores the file.
void GuardarYRecuperar(const std::string& ruta) {
    Registros = Memoria = DASM = TablaSect = false;
    TablaRef = ListaMarcasRupt = ListaPuntosRupt = true;
    Inicializar = true;
    prueba::CuadrosFalsos cuadros;
    QVERIFY(SalvarEntorno(ruta));
    gTablaRef->Clear();
    gPuntosRupt->Clear();
    gMarcasRupt->Clear();
    RecuperarEntorno(ruta);
    QCOMPARE(cuadros.mostrados.size(), size_t(1));   // the results box only
}

}  // namespace

class TestNombresEntorno : public QObject {
    Q_OBJECT
    std::filesystem::path carpeta_;

private slots:
    void init() {
        fixture::Cargar();
        carpeta_ = std::filesystem::temp_directory_path() / ("tarvix_nombres_" + std::to_string(getpid()));
        std::filesystem::create_directories(carpeta_);
        EstablecerCarpetaDatosUsuario(carpeta_.string());
    }
    void cleanup() {
        EstablecerCarpetaDatosUsuario("");
        std::filesystem::remove_all(carpeta_);
    }

    void namesWhereTheyAreTyped_data() {
        QTest::addColumn<QByteArray>("nombre");
        QTest::addColumn<bool>("admitido");
        QTest::newRow("comilla") << QByteArray("di\"go") << false;
        QTest::newRow("solo comilla") << QByteArray("\"") << false;
        QTest::newRow("retorno de carro") << QByteArray("fin\rbucle") << false;
        QTest::newRow("avance de linea") << QByteArray("fin\nbucle") << false;
        QTest::newRow("fin de linea al final") << QByteArray("bucle\r\n") << false;
        QTest::newRow("coma") << QByteArray("celda, otra") << true;
        QTest::newRow("tabulador") << QByteArray("a\tb") << true;
        QTest::newRow("otros de control") << QByteArray("a\x01z\x1F\x7F") << true;
        QTest::newRow("acentos") << QByteArray("Año_ñandú_ÉXITO") << true;
        QTest::newRow("blancos") << QByteArray("  dos  blancos ") << true;
        QTest::newRow("comilla simple y corchetes") << QByteArray("'[END]'") << true;
    }
    void namesWhereTheyAreTyped() {
        QFETCH(QByteArray, nombre);
        QFETCH(bool, admitido);
        const std::string n = nombre.toStdString();

        {   // The memory window's identifier of a cell.
            prueba::CuadrosFalsos cuadros;
            VentanaMemoria memoria;
            cuadros.textos = {n, std::nullopt};
            memoria.v.EstablecerIdentificador();
            Comprobar(cuadros, *gTablaRef, n, admitido, cuadros.entradas.at(0).titulo);
        }
        {   // The listing window's breakpoint name.
            prueba::CuadrosFalsos cuadros;
            Listado listado;
            cuadros.textos = {n, std::nullopt};
            listado.v.AlternarPuntoRupt();
            Comprobar(cuadros, *gPuntosRupt, n, admitido, "Puntos de Ruptura");
        }
        {   // The watch-mark dialog's identifier: refused on "Aceptar", which
            // leaves the dialog open with the text typed.
            prueba::CuadrosFalsos cuadros;
            LogicaMarcasRupt& marca = DialogoMarca();
            marca.EscribirIdentificador(n);
            marca.Aceptar();
            QCOMPARE(gMarcasRupt->count(), admitido ? 1 : 0);
            QCOMPARE(cuadros.mostrados.size(), size_t(admitido ? 0 : 1));
            if (!admitido) {
                QCOMPARE(cuadros.mostrados[0].texto, "El identificador <" + n + kAviso);
                QCOMPARE(cuadros.mostrados[0].titulo, std::string("Marcas de Ruptura"));
                QCOMPARE(marca.TextoIdentificador(), n);
            }
        }
        if (QTest::currentTestFailed() || !admitido) return;

        // What was accepted comes back identical from the file.
        GuardarYRecuperar((carpeta_ / "nombres.ent").string());
        QCOMPARE(gTablaRef->count(), 1);
        QCOMPARE(gTablaRef->Item(1).Identificador(), n);
        QCOMPARE(gPuntosRupt->count(), 1);
        QCOMPARE(gPuntosRupt->Item(1).Identificador(), n);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Identificador(), n);
    }

    // An empty answer is no name for a cell or a breakpoint (as Cancel); a
    // watch mark may have an empty identifier, and it reads back empty.
    void emptyNames() {
        prueba::CuadrosFalsos cuadros;
        VentanaMemoria memoria;
        cuadros.textos = {std::string()};
        memoria.v.EstablecerIdentificador();
        QCOMPARE(gTablaRef->count(), 0);
        Listado listado;
        cuadros.textos = {std::string()};
        listado.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        QCOMPARE(cuadros.entradas.size(), size_t(2));
        LogicaMarcasRupt& marca = DialogoMarca();
        marca.EscribirIdentificador("");
        marca.Aceptar();
        QVERIFY(cuadros.mostrados.empty());
        QCOMPARE(gMarcasRupt->count(), 1);

        GuardarYRecuperar((carpeta_ / "vacio.ent").string());
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).Identificador(), std::string());
    }

    // A name refused and then corrected is added as corrected.
    void correctedAfterTheBox() {
        prueba::CuadrosFalsos cuadros;
        Listado listado;
        cuadros.textos = {std::string("fin \"x\""), std::string("fin x")};
        listado.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 1);
        QCOMPARE(gPuntosRupt->Item(1).Identificador(), std::string("fin x"));
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.entradas.at(1).porDefecto, std::string("fin \"x\""));
    }
};

QTEST_MAIN(TestNombresEntorno)
#include "test_nombres_entorno.moc"
