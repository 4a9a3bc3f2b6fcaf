// GNOME 43 and 44: the import style before ES modules.
const {Gio, Meta} = imports.gi;
