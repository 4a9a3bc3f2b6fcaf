
export default class ZeitfangExtension extends Extension {
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
