#pragma once

#include <memory>

#include <QWidget>

#include "filedown/file_down.h"
#include "filedown/qt/qt_sliced_event_pump.h"

namespace presslane {

// The download control's face on its host window: a 32 by 32 pixel picture (480 twips) that
// keeps that size whatever the host asks for. It owns the control and, through it, the Qt Network
// transfer component.
class QtFileDown : public QWidget {
    Q_OBJECT
public:
    explicit QtFileDown(QWidget* parent = nullptr);
    ~QtFileDown() override;

    FileDown& control() { return *control_; }

    // Controls alive in this process; the library may be unloaded only when there are none.
    static int instances();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtSlicedEventPump pump_;
    std::unique_ptr<FileDown> control_;
};

}  // namespace presslane
