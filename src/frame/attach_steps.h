// The steps of start-up and shut-down that belong to other subsystems. The
// entry point calls them in its fixed order; each is defined where its
// concept lives (display model, add-on scan, settings store, matching).
#pragma once

void apply_default_display();  // the built-in display characterization becomes current
void scan_addons();            // finds the add-on publications beside the library
void settings_load();          // reads the stored settings, makes the stored profiles current
void settings_save();          // writes the settings back
void drop_printer_transform(); // releases the CMYK look-up's prepared transformation
