#pragma once

#include <QPointer>
#include <QWidget>

// A screen of the program: a fixed client area designed in twips, centred on load, that
// opens other screens and shows its opener again when it closes, by whatever means.
class FormBase : public QWidget {
    Q_OBJECT
public:
    FormBase(const QString& name, const QString& title, int clientWidthTwips,
             int clientHeightTwips);

    // Places the window in the middle of the screen kept in the application state.
    void centre();

    // Shows `target` (not modal, default cursor) and hides this screen; `target` returns to
    // this screen when it closes.
    void openScreen(FormBase* target);

    // The screen shown again when this one closes.
    void setOpener(QWidget* opener) { m_opener = opener; }
    QWidget* opener() const { return m_opener; }

    // Changes the designed client size (the two grid screens fill the screen).
    void setClientSizeTwips(int width, int height);

protected:
    // Runs when the screen is shown and when the user comes back to it from another
    // window of the program; switching applications does not run it.
    virtual void Form_Activate() {}
    // Runs once whenever the screen closes; shows the opener again.
    virtual void Form_Unload();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> m_opener;
    bool m_captionsFitted = false;
    bool m_unloaded = false;
};
