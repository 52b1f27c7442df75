#pragma once

#include "platform/graphics/Picture.h"

#include <QFrame>
#include <memory>

// The logo box of the header windows: shows its picture at its own size, from the
// top-left corner or centred, never scaled. The picture may hold no graphic.
class TImagenLogo : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
public:
    explicit TImagenLogo(QWidget* parent = nullptr);

    // Shared with the header record that stores it.
    const std::shared_ptr<graphics::TPicture>& Picture() const { return m_picture; }

    bool Center() const { return m_center; }
    void SetCenter(bool center);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<graphics::TPicture> m_picture = std::make_shared<graphics::TPicture>();
    bool m_center = false;
};
