// What the auxiliary-data window shows and does, without a window: which of the
// five program-wide tables it lists (assembler messages, references, sections,
// breakpoints, watch marks), its caption, help context, columns and filter
// entries, the rows of the chosen filter, the count label, the quick search and
// the address "Localizar" goes to. Every refill reads the tables anew.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/EstadoGrid.h"

class ClassMarcaRupt;

class LogicaAuxDatos {
public:
    enum Tipo : int16_t { kNinguno = 0, kErrores = 1, kReferencias = 2, kSecciones = 3, kPuntos = 4, kMarcas = 5 };
    // Where "Localizar" shows the address of the cursor row.
    enum class Destino { Ninguno, Memoria, Listado };

    static constexpr const char* kTituloDiseno = "Presentacion de Tablas de Datos";
    static constexpr const char* kSinDatos = "No hay datos en esta vista";
    static constexpr const char* kTodos = "(Todos los Datos)";
    static constexpr int16_t kNumImagenes = 14;

    LogicaAuxDatos();

    EstadoGrid& Grid() { return grid_; }
    const EstadoGrid& Grid() const { return grid_; }

    int16_t TipoDatos() const { return tipo_; }
    // A different kind is stored and the window re-initialised; the same kind
    // changes nothing. Answers whether it re-initialised.
    bool TipoDatos(int16_t tipo);
    void Inicializar();
    // The filter combo: list index, then its Click (icon and refill).
    void ElegirFiltro(int32_t indice);
    void Actualizar();
    // Quick search on column 3 (exact start, case-sensitive).
    void Buscar(const std::string& texto);

    const std::string& Titulo() const { return titulo_; }
    int32_t ContextoAyuda() const { return ayuda_; }
    // Whether a column of the shown table holds numbers, which the window
    // shows whole however wide the widest one is.
    bool ColumnaDeNumeros(int32_t col) const;
    const std::vector<std::string>& Filtros() const { return filtros_; }
    bool FiltroHabilitado() const { return filtroHabilitado_; }
    int32_t Filtro() const { return filtro_; }
    int16_t BaseIconoAuxDat() const { return baseIcono_; }
    // Picture of the chosen filter entry in the image list (1-14).
    int16_t ImagenFiltro() const { return int16_t(baseIcono_ + filtro_); }
    // Which kind picture is visible (0 none).
    int16_t ImagenTipo() const { return tipo_ >= 1 && tipo_ <= 5 ? tipo_ : 0; }
    const std::string& Etiqueta() const { return etiqueta_; }
    // Grows whenever the combo's entries or choice change.
    uint32_t VersionFiltros() const { return versionFiltros_; }

    Destino DestinoLocalizar() const;
    int32_t DireccionLocalizar() const { return grid_.DatoFila(grid_.Fila()); }

    // Texts of the rows, shared with the tests.
    static std::string ConBlanco(int32_t n);   // " 5", "-5"
    static std::string TextoComparacion(const ClassMarcaRupt& m);

private:
    EstadoGrid grid_;
    int16_t tipo_ = kNinguno;
    std::string titulo_ = kTituloDiseno;
    int32_t ayuda_ = 0;
    std::vector<std::string> filtros_;
    bool filtroHabilitado_ = true;
    int32_t filtro_ = 0;
    int16_t baseIcono_ = 1;
    std::string etiqueta_ = "Seleccionados ??? de ???";
    uint32_t versionFiltros_ = 0;
};
