#pragma once

#include <QPointer>
#include <QPushButton>
#include <QStringList>
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

    // Changes the designed client size.
    void setClientSizeTwips(int width, int height);

    // Places and sizes the window by its outer size, frame and title included, as the grid
    // screens are laid out; the client area is what the frame leaves.
    void setOuterGeometryTwips(int left, int top, int width, int height);
    // The outer size: frame and title included.
    int outerWidthTwips() const;
    int outerHeightTwips() const;

    // Enter presses the push button with the focus, and otherwise `button`, the screen's main
    // one (when it can be pressed).
    void setMainButton(QPushButton* button) { m_mainButton = button; }
    // Escape presses `button` as a click would, question and all; a screen without one closes
    // on Escape as by its close box, unless it is the first screen, which opened no other.
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }

protected:
    // For screens that edit records: closing the window by its close box asks the Cancel
    // question when the controls differ from what the screen showed when it opened.
    void setAsksBeforeClosing() { m_asksBeforeClosing = true; }
    // Closes without asking: after a save, or after the user confirmed Cancel.
    void closeWithoutAsking();

    // Runs when the screen is shown and when the user comes back to it from another
    // window of the program; switching applications does not run it.
    virtual void Form_Activate() {}
    // Runs once whenever the screen closes; shows the opener again.
    virtual void Form_Unload();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The frame around the client area, in pixels: the window manager's once the window is
    // shown with one, a classic frame before.
    QMargins frameMargins() const;
    // What the user can change on the screen: texts, choices and checked boxes.
    QStringList controlState() const;

    QPointer<QWidget> m_opener;
    QPointer<QPushButton> m_mainButton;
    QPointer<QPushButton> m_cancelButton;
    QSize m_outerTwips; // as given to setOuterGeometryTwips(), exactly
    bool m_captionsFitted = false;
    bool m_unloaded = false;
    bool m_asksBeforeClosing = false;
    bool m_closing = false;
    QStringList m_shownState; // the controls when the screen was first shown
};
