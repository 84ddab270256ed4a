#pragma once

#include <QProxyStyle>

namespace zelmora {

// The application's style as the desktop or the user chose it, but for the
// icon of the menu bar's extension button, shown only when the bar is too
// narrow for its menus: it is decoded when first drawn rather than when the
// bar is built. Decoding it there, Qt loads every image plug-in to ask
// whether it reads the icon before it uses its own reader, a large share of
// the window's start-up (bench/speed_limits.sh: the first paint at most 1.3
// times a minimal dialog's with the window's Japanese title).
class DeferredIconStyle : public QProxyStyle {
 public:
  DeferredIconStyle();

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace zelmora
