// The body both extension formats share: the Shell's windows as the records Zeitfang reads
// (platform/logic/compositor_windows.h), bottom of the stack first, order = stack position.
var ZEITFANG_IFACE = '<node><interface name="de.orvikwerk.Zeitfang.Windows">' +
    '<method name="List"><arg type="s" direction="out"/></method></interface></node>';

function zeitfangWindowRecords(Meta) {
    const clean = s => String(s ?? '').replace(/[\x1e\x1f]/g, ' ');
    const stack = global.display.sort_windows_by_stacking(global.display.list_all_windows());
    let out = 'zf1\x1e';
    stack.forEach((w, i) => {
        const flags = (w.minimized ? 'm' : '') +
            (w.get_window_type() === Meta.WindowType.NORMAL ? 'n' : '') +
            (w.skip_taskbar ? 's' : '');
        const pid = w.get_pid();
        out += [pid > 0 ? pid : 0, i, flags, clean(w.get_wm_class()), clean(w.get_title())]
            .join('\x1f') + '\x1e';
    });
    return out;
}

// Publishes the list on the session bus; the returned object's unexport() withdraws it.
function zeitfangExport(Meta) {
    const object = Gio.DBusExportedObject.wrapJSObject(ZEITFANG_IFACE,
        {List: () => zeitfangWindowRecords(Meta)});
    object.export(Gio.DBus.session, '/de/orvikwerk/Zeitfang/Windows');
    return object;
}
