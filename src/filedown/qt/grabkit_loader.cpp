#include "filedown/qt/grabkit_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

#include "filedown/control_registry.h"
#include "filedown/file_down_control.h"
#include "filedown/grabkit_abi.h"

namespace presslane {
namespace {

DllGetClassObjectFn load_from(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return nullptr;
    // Deliberately leaked: the control's code lives in the library, so it is never unloaded.
    auto* library = new QLibrary(path);
    if (!library->load()) {
        delete library;
        return nullptr;
    }
    return reinterpret_cast<DllGetClassObjectFn>(library->resolve("DllGetClassObject"));
}

DllGetClassObjectFn class_object_entry() {
    static DllGetClassObjectFn entry = [] {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(kGrabkitFile);
        if (DllGetClassObjectFn fn = load_from(beside)) return fn;
        return load_from(QString::fromStdString(ControlRegistry().find(kFileDownProgId)));
    }();
    return entry;
}

}  // namespace

FileDownControl* create_file_down(QWidget* parent) {
    const DllGetClassObjectFn entry = class_object_entry();
    if (!entry) return nullptr;
    void* object = nullptr;
    if (entry(kFileDownProgId, &object) != kGrabkitOk || !object) return nullptr;
    return static_cast<FileDownClassFactory*>(object)->CreateInstance(parent);
}

}  // namespace presslane
