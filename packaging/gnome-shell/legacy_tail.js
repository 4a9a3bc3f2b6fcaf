
class ZeitfangExtension {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(ZEITFANG_IFACE,
            {List: () => zeitfangWindowRecords(Meta)});
        this._object.export(Gio.DBus.session, '/de/orvikwerk/Zeitfang/Windows');
    }

    disable() {
        this._object.unexport();
        this._object = null;
    }
}

function init() {
    return new ZeitfangExtension();
}
