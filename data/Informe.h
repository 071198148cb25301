// The printed report of the simulator state: registers, memory map and dumps,
// listing, reference and section tables, watch marks and breakpoints, as the
// "Opciones\Resumen" settings choose, on the installed printer.
#pragma once

// Prints the report and ends the document. Sections with nothing to print are
// left out; when nothing at all is printed no print job is started. Margins
// that leave no room for the page body are refused with a box.
void ImprimirEntorno();
