#pragma once

#include <QLabel>

namespace platform {

// A label whose text readers hear together with what it shows: "My guess is
// 1234", or its own words when empty. Its text changes through settext, which
// tells readers what was typed, taken back or shown.
class Display : public QLabel
{
    Q_OBJECT
public:
    explicit Display(QWidget *parent = nullptr);

    // `shown` holds %1 for the text; `empty` is read while there is none.
    void setreading(const QString &shown, const QString &empty);
    QString reading() const;

    void settext(const QString &text);

private:
    QString shown;
    QString empty;
};

} // namespace platform
