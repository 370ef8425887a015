// The panel's fonts: DejaVu with the Latin letters the Portuguese texts need.
#pragma once

struct ImFont;

// Adds the panel's text font and the banner's large one to the font atlas; before the
// font texture is made. Without the DejaVu files the built-in font stays, with a message:
// the texts then show without their accents.
void carregaFontes();

// The large font for the end banner; the default font when DejaVu is missing.
ImFont* fonteGrande();

// The scale that draws the fonts at their size at a window scale of 1.
float escalaDasFontes();
