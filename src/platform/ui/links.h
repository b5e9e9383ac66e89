#pragma once
// Opening a web or mail address with the desktop's opener, behind one interface: the program
// starts the desktop's opener, tests install their own.
#include <QString>
#include <memory>

namespace nencho {

class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // False when the opener could not be started.
    virtual bool open(const QString& target) = 0;
};

// The opener every screen uses; setting none restores the desktop one.
LinkOpener& linkOpener();
void setLinkOpener(std::unique_ptr<LinkOpener> opener);

// Hands the address to xdg-open, which leaves the opening to the desktop's own programs.
class DesktopLinkOpener : public LinkOpener {
  public:
    bool open(const QString& target) override;
};

}  // namespace nencho
