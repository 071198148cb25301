// What the watch-mark dialog "Establecer Marca de Ruptura ..." holds and does,
// without a window: the values of the mark being defined, which outlive each
// opening, and the state of its controls, which every opening resets.
#pragma once

#include <cstdint>
#include <string>

class LogicaMarcasRupt {
public:
    static constexpr int kNumComp = 6;
    // The one dialog of the application's run.
    static LogicaMarcasRupt& Dialogo();

    // The watched address: Let only stores it.
    int32_t PosMemAct() const { return posMem_; }
    void PosMemAct(int32_t direccion) { posMem_ = direccion; }

    // Values of the mark (kept from one opening to the next).
    int32_t Tipo() const { return tipo_; }
    int32_t Comp() const { return comp_; }
    int32_t Operando() const { return operando_; }
    const std::string& Identificador() const { return identificador_; }

    // Opening: operand box, identifier, comparison, kind and data type.
    void Cargar();

    // Controls. Selecting from code runs the same handler as a click.
    int32_t CompElegida() const { return optComp_; }
    int32_t TipoElegido() const { return optTipo_; }
    int16_t IndiceTipoDatos() const { return indiceTipoDatos_; }
    bool ListaHabilitada() const { return listaHabilitada_; }
    const std::string& TextoOperando() const { return textoOperando_; }
    const std::string& TextoIdentificador() const { return textoIdentificador_; }
    const std::string& Resumen() const { return resumen_; }
    void ElegirComp(int32_t i);                 // OptComp(i)
    void ElegirTipo(int32_t i);                 // OptTipo(i)
    void ElegirTipoDatos(int16_t indice);       // CmbTipoDatos
    void EscribirOperando(const std::string& texto) { textoOperando_ = texto; }
    void EscribirIdentificador(const std::string& texto);   // the box's change handler
    // The operand box loses the focus. A text that is no number of the chosen
    // format leaves the operand as it was and, with avisar, a box says so;
    // false then.
    bool OperandoSale(bool avisar = true);
    // Shows the box that refuses the operand text last refused, naming the format.
    void AvisarOperando() const;

    // "Aceptar" appends the mark to the program-wide list, unless the operand
    // or the identifier is refused (a box says so and the dialog stays open);
    // "Cancelar" appends nothing and keeps the old operand for a refused text.
    enum class Resultado { Aceptado, OperandoRechazado, IdentificadorRechazado };
    Resultado Aceptar();
    void Cancelar() { OperandoSale(false); }

private:
    void ActualizarResumen();
    void MostrarOperando();

    int32_t tipo_ = 0, posMem_ = 0, comp_ = 0, operando_ = 0;
    std::string identificador_;
    int32_t optComp_ = -1, optTipo_ = -1;
    int16_t indiceTipoDatos_ = -1;
    bool listaHabilitada_ = true;
    std::string textoOperando_, textoIdentificador_, resumen_;
    // The operand's text as last written from the value: leaving the box
    // without changing it keeps the value exactly.
    std::string operandoEscrito_;
    std::string operandoRechazado_;
};
