// tarvix-batch: runs a listing on the simulated machine without windows, for
// tests and benchmarks. Prints every message box to standard error, the
// registers, the cycle counter, the number of cycles run and the kind of stop
// to standard output.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/Anfitrion.h"
#include "core/CicloReloj.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "data/LeerFichDSK.h"
#include "data/TablaModos.h"
#include "platform/Cuadros.h"

namespace {

const char* const kUso =
    "uso: tarvix-batch LISTADO.dsk [--cycles N] [--pipeline] [--model c30|c31]\n"
    "       [--mode mp|mc] [--config-mem M] [--break DIR]... [--watch DIR,COMP,VALOR]...\n"
    "       [--answer ok|cancel] [--restore FICHERO] [--ent FICHERO]\n"
    "  numeros en decimal o con 0x en hexadecimal; COMP: = <> > < >= <=\n";

struct Marca {
    int32_t dir, comp, valor;
};

struct Opciones {
    std::string listado;
    int64_t ciclos = 1000000;
    bool pipeline = false;
    std::optional<int16_t> modelo, modo;
    std::optional<int32_t> configMem;
    std::vector<int32_t> puntos;
    std::vector<Marca> marcas;
    bool aceptar = true;
    std::string recuperar;  // environment restored before the run
    std::string entorno;
};

// A 32-bit number in decimal (with sign) or 0x hexadecimal; 0xFFFFFFFF reads as -1.
std::optional<int64_t> Numero(const std::string& s) {
    if (s.empty()) return std::nullopt;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    try {
        std::size_t usados = 0;
        const int64_t v = hex ? static_cast<int64_t>(std::stoull(s.substr(2), &usados, 16))
                              : std::stoll(s, &usados, 10);
        if (usados != (hex ? s.size() - 2 : s.size())) return std::nullopt;
        return v;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<int32_t> Palabra(const std::string& s) {
    const auto v = Numero(s);
    if (!v || *v < INT32_MIN || *v > int64_t{UINT32_MAX}) return std::nullopt;
    return static_cast<int32_t>(static_cast<uint32_t>(*v));
}

std::optional<int32_t> Comparacion(const std::string& s) {
    const char* const comps[] = {"=", "<>", ">", "<", ">=", "<="};
    for (int32_t i = 0; i < 6; ++i)
        if (s == comps[i]) return i;
    return std::nullopt;
}

std::optional<Marca> LeerMarca(const std::string& s) {
    const auto c1 = s.find(',');
    const auto c2 = c1 == std::string::npos ? c1 : s.find(',', c1 + 1);
    if (c2 == std::string::npos) return std::nullopt;
    const auto dir = Palabra(s.substr(0, c1));
    const auto comp = Comparacion(s.substr(c1 + 1, c2 - c1 - 1));
    const auto valor = Palabra(s.substr(c2 + 1));
    if (!dir || !comp || !valor) return std::nullopt;
    return Marca{*dir, *comp, *valor};
}

std::optional<Opciones> LeerOpciones(int argc, char** argv) {
    Opciones o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool conValor = i + 1 < argc;
        const std::string v = conValor ? argv[i + 1] : "";
        if (a == "--pipeline") {
            o.pipeline = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) {
            if (!o.listado.empty()) return std::nullopt;
            o.listado = a;
            continue;
        }
        if (!conValor) return std::nullopt;
        ++i;
        if (a == "--cycles") {
            const auto n = Numero(v);
            if (!n || *n < 0) return std::nullopt;
            o.ciclos = *n;
        } else if (a == "--model" && (v == "c30" || v == "c31")) {
            o.modelo = v == "c30" ? 0 : 1;
        } else if (a == "--mode" && (v == "mp" || v == "mc")) {
            o.modo = v == "mp" ? 0 : 1;
        } else if (a == "--config-mem") {
            o.configMem = Palabra(v);
            if (!o.configMem) return std::nullopt;
        } else if (a == "--break") {
            const auto d = Palabra(v);
            if (!d) return std::nullopt;
            o.puntos.push_back(*d);
        } else if (a == "--watch") {
            const auto m = LeerMarca(v);
            if (!m) return std::nullopt;
            o.marcas.push_back(*m);
        } else if (a == "--answer" && (v == "ok" || v == "cancel")) {
            o.aceptar = v == "ok";
        } else if (a == "--restore") {
            o.recuperar = v;
        } else if (a == "--ent") {
            o.entorno = v;
        } else {
            return std::nullopt;
        }
    }
    if (o.listado.empty()) return std::nullopt;
    return o;
}

// A box text for a terminal: its line ends (CR LF or a bare CR) become new lines.
std::string ConSaltos(const std::string& texto) {
    std::string r;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\r') {
            r += texto[i];
            continue;
        }
        r += '\n';
        if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    }
    return r;
}

// Boxes go to standard error and get the chosen answer.
class CuadrosLote final : public plataforma::IServicioCuadros {
public:
    explicit CuadrosLote(bool aceptar) : aceptar_(aceptar) {}
    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        std::fprintf(stderr, "== %s\n%s\n", ConSaltos(c.titulo).c_str(), ConSaltos(c.texto).c_str());
        const bool ok = aceptar_ || c.botones == plataforma::Botones::Aceptar;
        return ok ? plataforma::Respuesta::Aceptar : plataforma::Respuesta::Cancelar;
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada& c) override {
        std::fprintf(stderr, "== %s\n%s\n", ConSaltos(c.titulo).c_str(), ConSaltos(c.mensaje).c_str());
        return std::nullopt;
    }
private:
    bool aceptar_;
};

// The main window's execution mode: a mode that is not a continuous run
// (by the mode table) ends it.
class VentanaLote final : public IVentanaPrincipal {
public:
    void ModoEjecucion(int16_t modo) override {
        modo_ = modo;
        if (!EjecutandoEnModo(modo)) gEjecutando = false;
    }
    int16_t ModoEjecucion() const override { return modo_; }
    void InfoBar(const std::string&) override {}

private:
    int16_t modo_ = 0;
};

// The word after STOP for the reason the clock cycle recorded. The runner
// sets no stop address, so "stop-address" is not printed today.
const char* TextoParada(MotivoParada motivo) {
    switch (motivo) {
    case MotivoParada::PuntoRuptura: return "breakpoint";
    case MotivoParada::MarcaRuptura: return "watchmark";
    case MotivoParada::ErrorUnidad: return "error";
    case MotivoParada::DirParada: return "stop-address";
    case MotivoParada::Ninguna: break;
    }
    return "limit";
}

void ImprimirEstado(const char* parada, int64_t llamadas) {
    const ClassRegistrosCPU& r = *gRegistros;
    for (int16_t i = 0; i < 8; ++i)
        std::printf("R%d 0x%08" PRIX32 " 0x%02" PRIX32 "\n", i, static_cast<uint32_t>(r.R(i).LO()),
                    static_cast<uint32_t>(r.R(i).HI()) & 0xFF);
    for (int16_t i = 0; i < 8; ++i)
        std::printf("AR%d 0x%08" PRIX32 "\n", i, static_cast<uint32_t>(r.AR(i)));
    const struct {
        const char* nombre;
        int32_t valor;
    } resto[] = {{"DP", r.DP()},   {"IR0", r.IR(0)}, {"IR1", r.IR(1)}, {"BK", r.BK()},
                 {"SP", r.SP()},   {"ST", r.ST()},   {"IE", r.IE()},   {"IF", r.IFR()},
                 {"IOF", r.IOF()}, {"RS", r.RS()},   {"RE", r.RE()},   {"RC", r.RC()},
                 {"PC", r.PC()}};
    for (const auto& x : resto)
        std::printf("%s 0x%08" PRIX32 "\n", x.nombre, static_cast<uint32_t>(x.valor));
    // CYCLES is the status bar's counter; CALLS the clock cycles this run made.
    std::printf("CYCLES %" PRId32 "\nCALLS %" PRId64 "\nSTOP %s\n", gCiclos, llamadas, parada);
}

}  // namespace

int main(int argc, char** argv) {
    const auto opciones = LeerOpciones(argc, argv);
    if (!opciones) {
        std::fputs(kUso, stderr);
        return 1;
    }
    const Opciones& o = *opciones;

    // Default settings, changed by the options.
    for (const AjustePrograma& fila : TablaAjustes()) AsignarTextoAjuste(fila, fila.porDefecto);
    ModoPPL = o.pipeline ? 0 : 1;
    if (o.modelo) ModeloDSP = *o.modelo;
    if (o.modo) ModoDSP = *o.modo;
    if (o.configMem) ConfigMem = *o.configMem;
    gCiclos = 0;
    gEstadoDSK = -1;
    gEjecutando = false;
    gPasoSobre = false;
    gDirParada = -1;
    gMotivoParada = MotivoParada::Ninguna;

    CuadrosLote cuadros(o.aceptar);
    plataforma::EstablecerCuadros(&cuadros);
    VentanaLote ventana;
    EstablecerVentanaPrincipal(&ventana);

    CrearObjetosPrograma();
    ReiniciarProcesador();
    gEstadoDSK = LeerFichDSK(o.listado);
    if (gEstadoDSK == -1) {
        std::fprintf(stderr, "tarvix-batch: %s no es un listado DSK\n", o.listado.c_str());
        return 2;
    }
    gFichDSK = o.listado;
    const Recuperacion recuperado = o.recuperar.empty() ? Recuperacion::Completa : RecuperarEntorno(o.recuperar);
    if (recuperado == Recuperacion::Rechazada) {
        std::fprintf(stderr, "tarvix-batch: %s no es un fichero de entorno\n", o.recuperar.c_str());
        return 4;
    }
    if (recuperado == Recuperacion::ConFallos)
        std::fprintf(stderr, "tarvix-batch: %s no se recupero entero\n", o.recuperar.c_str());
    for (int32_t p : o.puntos) gPuntosRupt->Add(p, "");
    for (const Marca& m : o.marcas) gMarcasRupt->Add(0, m.dir, m.comp, m.valor, 0, "");

    gEjecutando = true;
    ventana.ModoEjecucion(modo::kNormal);
    const char* parada = "limit";
    int64_t llamadas = 0;
    while (llamadas < o.ciclos) {
        CicloReloj();
        ++llamadas;
        if (gMotivoParada != MotivoParada::Ninguna) {
            parada = TextoParada(gMotivoParada);
            break;
        }
    }
    ImprimirEstado(parada, llamadas);

    if (!o.entorno.empty()) {
        // The whole state: every section, every region (all chosen after the map is built).
        Registros = Memoria = DASM = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = true;
        if (!SalvarEntorno(o.entorno)) {
            std::fprintf(stderr, "tarvix-batch: no se pudo escribir %s\n", o.entorno.c_str());
            return 3;
        }
    }
    return recuperado == Recuperacion::ConFallos ? 5 : 0;
}
