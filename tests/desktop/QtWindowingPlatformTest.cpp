#include "desktop/QtWindowingPlatform.h"
#include "common/Form.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace tavrik {
namespace {

// Runs action on the modal widget on top once it is shown.
void WhenModalShown(std::function<void(QWidget&)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(*modal);
    });
    poll->start(5);
}

class CountingForm : public Form {
public:
    CountingForm() : Form("CountingForm") {}
    void Form_Activate() override {
        ++activations;
        if (onActivate)
            onActivate();
    }
    int activations = 0;
    std::function<void()> onActivate;
};

struct PlatformFixture {
    FormViews views;
    BoundWidgets widgets;
    QtWindowingPlatform platform{views, widgets, std::filesystem::temp_directory_path()};
    QPointer<QDialog> shownDialog;

    PlatformFixture() {
        views.Register("CountingForm", [this](Form&, QWidget* parent) {
            auto dialog = std::make_unique<QDialog>(parent);
            shownDialog = dialog.get();
            return dialog;
        });
    }
};

TEST(QtWindowingPlatform, message_box_answers_the_button_clicked_when_each_button_set_is_shown) {
    struct Row {
        const char* name;
        MsgBoxButtons buttons;
        QMessageBox::StandardButton click; // NoButton: closed by the window manager
        MsgBoxAnswer expected;
    };
    const Row rows[] = {
        {"ok", MsgBoxButtons::OK, QMessageBox::Ok, MsgBoxAnswer::OK},
        {"ok closed", MsgBoxButtons::OK, QMessageBox::NoButton, MsgBoxAnswer::OK},
        {"ok-cancel ok", MsgBoxButtons::OKCancel, QMessageBox::Ok, MsgBoxAnswer::OK},
        {"ok-cancel closed", MsgBoxButtons::OKCancel, QMessageBox::NoButton, MsgBoxAnswer::Cancel},
        {"yes-no yes", MsgBoxButtons::YesNo, QMessageBox::Yes, MsgBoxAnswer::Yes},
        {"yes-no closed", MsgBoxButtons::YesNo, QMessageBox::NoButton, MsgBoxAnswer::No},
        {"yes-no-cancel no", MsgBoxButtons::YesNoCancel, QMessageBox::No, MsgBoxAnswer::No},
        {"yes-no-cancel cancel", MsgBoxButtons::YesNoCancel, QMessageBox::Cancel, MsgBoxAnswer::Cancel},
        {"retry-cancel retry", MsgBoxButtons::RetryCancel, QMessageBox::Retry, MsgBoxAnswer::Retry},
        {"retry-cancel cancel", MsgBoxButtons::RetryCancel, QMessageBox::Cancel, MsgBoxAnswer::Cancel},
    };
    PlatformFixture fixture;

    for (const Row& row : rows) {
        QString shownTitle;
        QString shownText;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        WhenModalShown([&](QWidget& modal) {
            auto& box = dynamic_cast<QMessageBox&>(modal);
            shownTitle = box.windowTitle();
            shownText = box.text();
            shownIcon = box.icon();
            if (row.click == QMessageBox::NoButton)
                box.close();
            else
                box.button(row.click)->click();
        });

        const MsgBoxAnswer answer = fixture.platform.MsgBox("Save the  changes?", MsgBoxIcon::Exclamation,
                                                            row.buttons, "Account Adjustment");

        EXPECT_EQ(answer, row.expected) << row.name;
        EXPECT_EQ(shownTitle, "Account Adjustment") << row.name;
        EXPECT_EQ(shownText, "Save the  changes?") << row.name;
        EXPECT_EQ(shownIcon, QMessageBox::Warning) << row.name;
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(QtWindowingPlatform, show_modal_returns_after_activation_when_the_form_hides_or_the_user_closes) {
    enum class End { FormHides, UserCloses, FormIsReleased };
    struct Row {
        const char* name;
        End end;
    };
    const Row rows[] = {
        {"form hides itself", End::FormHides},
        {"user closes the dialog", End::UserCloses},
        {"form is unloaded while shown", End::FormIsReleased},
    };
    PlatformFixture fixture;

    for (const Row& row : rows) {
        auto form = std::make_unique<CountingForm>();
        form->Move(1500, 3000);
        bool shownWhenActivated = false;
        QPoint shownAt;
        form->onActivate = [&] {
            shownWhenActivated = fixture.shownDialog != nullptr && fixture.shownDialog->isVisible();
            shownAt = fixture.shownDialog->pos();
            QTimer::singleShot(0, [&] {
                if (row.end == End::FormHides)
                    form->Hide();
                else if (row.end == End::UserCloses)
                    fixture.shownDialog->reject();
                else {
                    form->Hide();
                    form.reset();
                }
            });
        };

        fixture.platform.ShowModal(*form);

        EXPECT_TRUE(shownWhenActivated) << row.name;
        EXPECT_EQ(shownAt, QPoint(100, 200)) << row.name;
        EXPECT_TRUE(fixture.shownDialog.isNull()) << row.name;
        if (form) {
            EXPECT_EQ(form->activations, 1) << row.name;
            EXPECT_FALSE(form->Visible()) << row.name;
        }
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(QtWindowingPlatform, one_wait_cursor_is_held_when_the_hourglass_is_asked_for_twice) {
    PlatformFixture fixture;
    QApplication::setOverrideCursor(Qt::CrossCursor);

    fixture.platform.SetMousePointer(MousePointer::Hourglass);
    fixture.platform.SetMousePointer(MousePointer::Hourglass);
    const Qt::CursorShape whileBusy = QApplication::overrideCursor()->shape();
    fixture.platform.SetMousePointer(MousePointer::Default);
    fixture.platform.SetMousePointer(MousePointer::Default);

    EXPECT_EQ(whileBusy, Qt::WaitCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik
