// The printed report of the simulator state: registers, memory map and dumps,
// listing, reference and section tables, watch marks and breakpoints, as the
// "Opciones\Resumen" settings choose, on the installed printer.
#pragma once

// Prints the report and ends the document. Sections with nothing to print are
// left out; when nothing at all is printed no print job is started. Margins
// that leave no room for the page body, a font with which a row in columns
// is wider than the body, and a font too tall for the header or footer band,
// are refused with a box before printing.
// Every section goes on on a new page when its next row would not fit above
// the footer, and a row that ends with a name or a listing line goes on over
// further lines when it is wider than the body.
void ImprimirEntorno();
