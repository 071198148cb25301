#include "views/LogicaMarcasRupt.h"

#include <cstdio>

#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "platform/Cuadros.h"
#include "views/LogicaMemoria.h"
#include "views/TextoNumerico.h"

namespace {

constexpr const char* kTitulo = "Marcas de Ruptura";
const char* const kComparaciones[LogicaMarcasRupt::kNumComp] = {" = ", " <> ", " > ", " < ", " >= ", " <= "};

std::string SinBlancos(const std::string& s) {
    const size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos) return {};
    return s.substr(i, s.find_last_not_of(" \t") - i + 1);
}

}  // namespace

LogicaMarcasRupt& LogicaMarcasRupt::Dialogo() {
    static LogicaMarcasRupt dialogo;
    return dialogo;
}

void LogicaMarcasRupt::Cargar() {
    optComp_ = optTipo_ = -1;
    indiceTipoDatos_ = -1;
    listaHabilitada_ = true;
    resumen_.clear();
    textoOperando_ = "0";
    operandoEscrito_.clear();
    char nombre[24];
    std::snprintf(nombre, sizeof nombre, "Marca%02d", int(gMarcasRupt->IdentGenIndex()));
    EscribirIdentificador(nombre);
    ElegirComp(0);
    ElegirTipo(0);
    ElegirTipoDatos(0);
}

void LogicaMarcasRupt::ElegirComp(int32_t i) {
    if (i < 0 || i >= kNumComp) return;
    optComp_ = i;
    comp_ = i;
    ActualizarResumen();
}

void LogicaMarcasRupt::ElegirTipo(int32_t i) {
    if (i < 0 || i > 1) return;
    optTipo_ = i;
    tipo_ = i;
    if (i == 1) {
        ElegirTipoDatos(0);
        listaHabilitada_ = false;
    } else {
        listaHabilitada_ = true;
    }
    ActualizarResumen();
}

void LogicaMarcasRupt::ElegirTipoDatos(int16_t indice) {
    if (indice < 0 || indice > 4) return;
    indiceTipoDatos_ = indice;
    MostrarOperando();
}

void LogicaMarcasRupt::EscribirIdentificador(const std::string& texto) {
    textoIdentificador_ = texto;
    identificador_ = texto;
}

void LogicaMarcasRupt::MostrarOperando() {
    textoOperando_ = FormatearValor(operando_, indiceTipoDatos_);
    operandoEscrito_ = textoOperando_;
}

bool LogicaMarcasRupt::OperandoSale(bool avisar) {
    bool valido = true;
    if (textoOperando_ != operandoEscrito_) {
        const std::string t = SinBlancos(textoOperando_);
        int32_t v = 0;
        valido = indiceTipoDatos_ >= 0 && EsNumero(t, indiceTipoDatos_) &&
                 InterpretarValor(v, indiceTipoDatos_, t) == 0;
        if (valido) operando_ = v;
        operandoRechazado_ = valido ? std::string() : t;
    }
    ActualizarResumen();
    MostrarOperando();
    if (!valido && avisar) AvisarOperando();
    return valido;
}

void LogicaMarcasRupt::AvisarOperando() const {
    const std::string formato =
        indiceTipoDatos_ >= 0 ? LogicaMemoria::TextosTipoDatos()[size_t(indiceTipoDatos_)] : std::string();
    plataforma::MsgBox("El operando <" + operandoRechazado_ +
                           "> no es una representación numérica válida en el formato " + formato + ".",
                       plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, kTitulo);
}

void LogicaMarcasRupt::ActualizarResumen() {
    resumen_ = "Contenido de $" + FormatoHex(posMem_) + (comp_ >= 0 && comp_ < kNumComp ? kComparaciones[comp_] : "");
    resumen_ += tipo_ == 1 ? "Contenido de $" + FormatoHex(operando_) : FormatearValor(operando_, indiceTipoDatos_);
}

LogicaMarcasRupt::Resultado LogicaMarcasRupt::Aceptar() {
    if (!OperandoSale()) return Resultado::OperandoRechazado;
    if (!NombreAdmitido(identificador_, kTitulo)) return Resultado::IdentificadorRechazado;
    gMarcasRupt->Add(tipo_, posMem_, comp_, operando_, indiceTipoDatos_, identificador_);
    return Resultado::Aceptado;
}
