
export default class ZeitfangExtension extends Extension {
    enable() {
        this._object = zeitfangExport(Meta);
    }

    disable() {
        this._object.unexport();
        this._object = null;
    }
}
