// The lines of the tree and the schedule list look the same pixel for pixel whether the style lays
// their text out or the delegate draws it from its store; the program's icon gives each size
// from the picture made for it; the style's icons made late are its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTreeWidget>

#include "ui/widgets/CachedTextDelegate.h"
#include "ui/widgets/LazyIconStyle.h"
#include "ui/widgets/ToolIcons.h"

namespace {

struct Look {
    const char* name;
    bool selected;
    bool enabled;
    bool focused;
    int width;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wrap = false;
    bool alternate = false;
    QColor tint = QColor();
};

QImage drawn(const Look& look, bool cached) {
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    tree.setTextElideMode(Qt::ElideMiddle);
    tree.setWordWrap(look.wrap);
    tree.setAlternatingRowColors(look.alternate);
    tree.resize(look.width, 120);
    if (cached) tree.setItemDelegate(new CachedTextDelegate(&tree));
    auto* root = new QTreeWidgetItem(&tree, QStringList("NBA"));
    for (const char* text : {"ATLANTA HAWKS", "21-DOMINIQUE WILKINS", "/roms/a/very/long/folder/name/game.nes", "1107"})
        new QTreeWidgetItem(root, QStringList(QString::fromLatin1(text)));
    for (int i = 0; i < root->childCount(); ++i) root->child(i)->setTextAlignment(0, look.alignment | Qt::AlignVCenter);
    root->setExpanded(true);
    QTreeWidgetItem* line = root->child(1);
    if (look.tint.isValid()) root->child(3)->setBackground(0, look.tint);
    line->setSelected(look.selected);
    if (!look.enabled) line->setFlags(Qt::NoItemFlags);
    tree.setCurrentItem(look.focused ? line : root, 0, QItemSelectionModel::NoUpdate);
    tree.show();
    if (look.focused) {
        tree.activateWindow();
        tree.setFocus();
    }
    QApplication::processEvents();
    return tree.grab().toImage();
}

// A list, unlike a tree, leaves a line's background to the style's drawing of the line.
QImage listDrawn(const Look& look, bool cached) {
    QListWidget list;
    list.setAlternatingRowColors(look.alternate);
    list.resize(look.width, 80);
    if (cached) list.setItemDelegate(new CachedTextDelegate(&list));
    for (const char* text : {"BRA at ALD", "CIN at BRA", "DUS at CIN"}) list.addItem(QString::fromLatin1(text));
    if (look.tint.isValid()) list.item(2)->setBackground(look.tint);
    list.item(1)->setSelected(look.selected);
    list.show();
    QApplication::processEvents();
    return list.grab().toImage();
}

TEST(ItemDrawing, TheStoredTextLooksAsTheStyleDrawsIt) {
    const Look looks[] = {
        {"plain", false, true, false, 300},
        {"selected and current, with the focus frame", true, true, true, 300},
        {"selected", true, true, false, 300},
        {"disabled", false, false, false, 300},
        {"too narrow: the style shortens the text", false, true, false, 90},
        {"right-aligned", true, true, false, 301, Qt::AlignRight},
        {"centred", false, true, false, 299, Qt::AlignHCenter},
        {"words wrapped where too long", true, true, false, 150, Qt::AlignLeft, true},
        {"alternating colours", false, true, false, 300, Qt::AlignLeft, false, true},
        {"a tinted line", false, true, false, 300, Qt::AlignLeft, false, false, QColor(255, 236, 180)},
    };
    for (const Look& look : looks) {
        EXPECT_TRUE(drawn(look, false) == drawn(look, true)) << look.name;
        if (look.alternate || look.tint.isValid() || look.selected) {
            EXPECT_TRUE(listDrawn(look, false) == listDrawn(look, true)) << look.name << " in a list";
        }
    }
}

TEST(ItemDrawing, TheIconGivesEachSizeFromItsOwnPicture) {
    const QIcon icon = ToolIcons::applicationIcon();
    EXPECT_EQ(icon.availableSizes().size(), 7);
    const struct {
        int asked;
        int given;
    } sizes[] = {{16, 16}, {20, 20}, {32, 32}, {300, 256}};
    for (const auto& s : sizes) EXPECT_EQ(icon.pixmap(s.asked).width(), s.given) << s.asked;
    // A smaller picture is drawn from the next larger one, not from the largest: 20 pixels from 24.
    const QImage from24 =
        QPixmap(":/icons/24.png").scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
    EXPECT_TRUE(icon.pixmap(20).toImage().convertToFormat(from24.format()) == from24);
}

// The style's icons, made when first drawn, are the platform style's own, and the window's widgets
// still know the style beneath.
TEST(ItemDrawing, TheStandardIconsComeLateButTheSame) {
    LazyIconStyle lazy;
    const QStyle* own = QApplication::style();
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxInformation, QStyle::SP_LineEditClearButton}) {
        const QIcon late = lazy.standardIcon(which);
        EXPECT_FALSE(late.isNull()) << which;
        EXPECT_TRUE(late.pixmap(32).toImage() == own->standardIcon(which).pixmap(32).toImage()) << which;
    }
    EXPECT_EQ(LazyIconStyle::isFusion(&lazy), LazyIconStyle::isFusion(own));
}

}  // namespace
