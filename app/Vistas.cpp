#include "app/Vistas.h"

#include <array>
#include <utility>

namespace {

constexpr DatosVista kTablaVistas[kNumVistas] = {
    {TipoVista::DASM, "DASMSettings", "mnuWindowDASM", "DASM", true},
    {TipoVista::Memoria, "MemoriaSettings", "mnuWindowMemoria", "Memoria", true},
    {TipoVista::Registros, "RegistrosSettings", "mnuWindowRegistros", "Registros", false},
    {TipoVista::PPL, "PPLSettings", "mnuWindowPPL", "PPL", false},
};
static_assert([] {
    for (int i = 0; i < kNumVistas; ++i)
        if (kTablaVistas[i].tipo != TipoVista(i)) return false;
    return true;
}(), "the rows of the view table follow TipoVista");

// Function-local statics: views register from static initialisers of other files.
std::array<FabricaVista, kNumVistas>& Fabricas() {
    static std::array<FabricaVista, kNumVistas> fabricas;
    return fabricas;
}

FabricaAuxDatos& FabricaAux() {
    static FabricaAuxDatos fabrica;
    return fabrica;
}

std::map<std::string, ManejadorComando>& Comandos() {
    static std::map<std::string, ManejadorComando> comandos;
    return comandos;
}

}  // namespace

std::span<const DatosVista, kNumVistas> TablaVistas() { return kTablaVistas; }

const DatosVista& DatosDeVista(TipoVista tipo) { return kTablaVistas[static_cast<size_t>(tipo)]; }

bool RegistrarComando(const std::string& nombre, ManejadorComando manejador) {
    Comandos()[nombre] = std::move(manejador);
    return true;
}

const std::map<std::string, ManejadorComando>& ComandosRegistrados() { return Comandos(); }

bool RegistrarVista(TipoVista tipo, FabricaVista fabrica) {
    Fabricas()[static_cast<size_t>(tipo)] = std::move(fabrica);
    return true;
}

bool RegistrarAuxDatos(FabricaAuxDatos fabrica) {
    FabricaAux() = std::move(fabrica);
    return true;
}

const FabricaVista& FabricaDeVista(TipoVista tipo) { return Fabricas()[static_cast<size_t>(tipo)]; }

const FabricaAuxDatos& FabricaDeAuxDatos() { return FabricaAux(); }
