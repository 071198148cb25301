// The four-stage pipeline: fetch, decode, read and execute stage records, the
// wait-cycle counter and the mnemonic tables of the instruction set by group.
// Mode 0 keeps four distinct records that shift one stage per cycle; mode 1
// shares one record among the four stages. Records are reused, never created
// per cycle.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/ClassUnitData.h"

class ClassPPL {
public:
    ClassPPL();
    ClassPPL(const ClassPPL&) = delete;
    ClassPPL& operator=(const ClassPPL&) = delete;

    // Wait cycles owed before the next real fetch (set by the group decoders,
    // spent by the fetch unit in mode 0).
    int32_t lCiclosEspera = 0;

    // The table row of (group, row) with its flag character ("*" floating
    // point, " " integer), or " <ERR>". Groups 6 and 7 share one table.
    static std::string_view Nemonico(int32_t grupo, int32_t fila);

    ClassUnitData& Ejecucion() { return *etapas_[3]; }
    ClassUnitData& Lectura() { return *etapas_[2]; }
    ClassUnitData& Decodificacion() { return *etapas_[1]; }
    ClassUnitData& Busqueda() { return *etapas_[0]; }
    const ClassUnitData& Ejecucion() const { return *etapas_[3]; }
    const ClassUnitData& Lectura() const { return *etapas_[2]; }
    const ClassUnitData& Decodificacion() const { return *etapas_[1]; }
    const ClassUnitData& Busqueda() const { return *etapas_[0]; }

    // Advances the pipeline by one clock cycle in the given mode (0 with the
    // pipeline, 1 without). A mode change drops every instruction in flight;
    // the program goes on from the oldest one not yet executed, with the
    // target of a delayed branch already executed still pending.
    void Actualizar(int16_t modo);
    // The record of stage 0 fetch, 1 decode, 2 read, 3 execute; nullptr otherwise.
    ClassUnitData* Unidades(int16_t etapa);
    // Fresh records for the last mode used; keeps lCiclosEspera.
    void VaciarPPL();

    int16_t UltimoModo() const { return iUltimoModo_; }

    // The decode unit could not decode its record this cycle (mode 0): at the
    // next advance the decode and fetch stages keep their records and the read
    // stage gets an empty one.
    void RetenerDecodificacion() { bRetener_ = true; }
    // The last advance kept the decode and fetch stages in place.
    bool Retenida() const { return bRetenida_; }
    // The address the fetch of r moved PC to, before any delayed-branch target.
    static int32_t DireccionSiguiente(const ClassUnitData& r);

    // A delayed branch taken without the pipeline: its target takes effect
    // after the three instructions that follow it (iSaltosRetardo of them are
    // still to be fetched). It survives a mode change; emptying the pipeline
    // drops it.
    int32_t lDestinoRetardo = 0;
    int16_t iSaltosRetardo = 0;

private:
    [[gnu::cold, gnu::noinline]] void DevolverNoEjecutadas();
    [[gnu::noinline]] bool AvanzarRetenida();
    static void Deshacer(const ClassUnitData& r);
    void Distintos();   // four distinct fresh records
    void Compartido();  // one fresh record shared by the four stages

    std::array<ClassUnitData, 4> registros_{};
    std::array<ClassUnitData*, 4> etapas_{};
    int16_t iUltimoModo_ = 0;
    bool bRetener_ = false;
    bool bRetenida_ = false;
};
