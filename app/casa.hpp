// The house scene: seven corners turned 180 degrees about a pivot one column past the
// picture's right edge, so that the turned house lies outside the picture; its flat
// addressing carries those columns into the next row, and the house comes out upside
// down inside it.
#pragma once

// Writes the PPM header, draws the house's six edges and writes every pixel, all to
// standard output; what became of the writing is for concluirsaida to tell.
void desenharcasa();
