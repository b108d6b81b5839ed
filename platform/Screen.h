// Screen metrics, injected so that sizes do not depend on the test machine.
#pragma once

#include <QRect>
#include <QSize>

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual QSize PrimarySize() = 0;     // the primary screen in pixels
    virtual QRect WorkArea() = 0;        // the primary screen without task bars
    virtual QRect VirtualDesktop() = 0;  // all screens together
};

class QtScreen final : public IScreen {
public:
    QSize PrimarySize() override;
    QRect WorkArea() override;
    QRect VirtualDesktop() override;
};
