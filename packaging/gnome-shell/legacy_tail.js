
class ZeitfangExtension {
    enable() {
        this._object = zeitfangExport(Meta);
    }

    disable() {
        this._object.unexport();
        this._object = null;
    }
}

function init() {
    return new ZeitfangExtension();
}
