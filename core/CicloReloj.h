// One simulated clock cycle and the full reset of the simulated machine.
#pragma once

// Advances the pipeline, runs the four units and then the break checks, the
// step-over and stop-address handling and the interrupt poll. A cycle asked
// for while another is still running (from a box's event loop) does nothing.
void CicloReloj();

// Cycle counter 0, nothing loaded, empty pipeline, memory map rebuilt from
// ConfigMem, registers reset, and the reference, section, breakpoint,
// watch-mark and message lists emptied.
void ReiniciarProcesador();
