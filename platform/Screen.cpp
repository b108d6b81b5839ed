#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QScreen* Primary() { return QGuiApplication::primaryScreen(); }
} // namespace

QSize QtScreen::PrimarySize() {
    return Primary() ? Primary()->geometry().size() : QSize(1024, 768);
}

QRect QtScreen::WorkArea() {
    return Primary() ? Primary()->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtScreen::VirtualDesktop() {
    return Primary() ? Primary()->virtualGeometry() : QRect(0, 0, 1024, 768);
}
