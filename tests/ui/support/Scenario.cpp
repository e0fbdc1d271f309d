// The scenario driver: a user's steps in words, done through the window's own widgets, found by
// their objectName. Steps are separated by ", ":
//   open NAME [line N]           File > Open, the dialogue answering NAME with filter line N
//   file NAME [line N]           the next file dialogue answers NAME
//   answer WORD                  the next question's answer (FakeMessages)
//   type TEXT into BOX           a click into BOX, its text selected and replaced by typing
//   paste TEXT into BOX          the same, TEXT coming from the clipboard
//   click NAME                   a control, "team T", "player T.P", "root", "row N of LIST" (or table)
//   click header N of TABLE      the header of a table's column N (sorts by it)
//   ctrl-click NODE, shift-click NODE   a tree node clicked with Ctrl or Shift held
//   double-click recent N        the Nth recent file the tree lists before the first league
//   double-click TEXT in TREE    the line of another tree that reads TEXT (or "TEXT (count)")
//   check TEXT in TREE           the same line's check box, with the space bar
//   wait for programs            until every program started has ended or is no more watched
//   choose N in LIST             entry N of a drop-down list, with the keyboard
//   focus NAME                   the focus to a control, as the Tab key gives it
//   menu NAME, show NAME         a menu item triggered; a menu about to open
//   drop NAME [onto NAME]        a file dragged from a file manager and dropped
//   drag player T.P onto NODE    a tree node dragged onto "player T.P", "team T", "root" or "nothing"
//   drag player T.P              a drag begun with the mouse (offscreen it ends at once, nothing dropped)
//   close NAME                   a window closed with its close box
//   see TEXT in NAME             the control or menu item is shown with that text (a list, a tree:
//                                the current entry; a window: its caption)
//   wait                         the events due run (a drop opens its file afterwards)
//   KEYS[*N]                     keys to the control with the focus ("Tab", "Ctrl+Z", "Right*9")
// A step that brings up a modal dialogue runs the steps after it inside the dialogue, which is
// closed afterwards if they left it open.
#include "ui/support/UiHarness.h"

namespace {

bool starts(const std::string& s, const std::string& word, std::string& rest) {
    if (!s.starts_with(word)) return false;
    rest = s.substr(word.size());
    return true;
}

// "NAME" or "NAME line N".
FileChoice choice(const std::string& words, const UiTest& t) {
    const std::size_t at = words.rfind(" line ");
    return {qs(t.file(words.substr(0, at))), at == std::string::npos ? 1 : std::stoi(words.substr(at + 6))};
}

class Driver {
public:
    explicit Driver(UiTest& t) : t_(t) {}

    // Runs the steps from `from` on; inside a modal dialogue, until it is closed. Returns where it stopped.
    std::size_t run(const std::vector<std::string>& steps, std::size_t from, QPointer<QWidget> modal = nullptr) {
        std::size_t i = from;
        while (i < steps.size() && (modal == nullptr || modal->isVisible())) {
            // Until the step returns, a dialogue it brings up takes the steps after it.
            QWidget* before = QApplication::activeModalWidget();
            auto armed = std::make_shared<bool>(true);
            auto watch = std::make_shared<std::function<void()>>();
            std::optional<std::size_t> resume;
            *watch = [&, armed, before, i, again = std::weak_ptr(watch)] {
                if (!*armed) return;
                QPointer<QWidget> up = QApplication::activeModalWidget();
                if (up == nullptr || up == before) {
                    if (auto next = again.lock()) QTimer::singleShot(5, [next] { (*next)(); });
                    return;
                }
                EXPECT_TRUE(QTest::qWaitForWindowActive(up));
                resume = run(steps, i + 1, up);
                if (up != nullptr && up->isVisible()) up->close();
            };
            QTimer::singleShot(0, [watch] { (*watch)(); });
            step(steps[i]);
            *armed = false;
            i = resume.value_or(i + 1);
        }
        return i;
    }

private:
    // A control by name, shown ones first: in the modal dialogue, the active window, the main
    // window, then any window.
    QWidget* widget(const std::string& name) {
        std::vector<QWidget*> windows = {QApplication::activeModalWidget(), QApplication::activeWindow(), t_.w.get()};
        for (QWidget* top : QApplication::topLevelWidgets()) windows.push_back(top);
        QWidget* hidden = nullptr;
        for (QWidget* top : windows) {
            if (top == nullptr || !top->isVisible()) continue;
            QList<QWidget*> found = top->findChildren<QWidget*>(qs(name));
            if (top->objectName() == qs(name)) found.prepend(top);
            for (QWidget* control : found)
                if (control->isVisible()) return control;
            if (hidden == nullptr && !found.isEmpty()) hidden = found.front();
        }
        EXPECT_NE(hidden, nullptr) << "no control " << name;
        return hidden;
    }
    // Its window active, so that clicks and keys move the focus there.
    static QWidget* ready(QWidget* control) {
        if (control != nullptr && !control->window()->isActiveWindow()) {
            control->window()->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(control->window()));
        }
        return control;
    }
    QTreeWidgetItem* node(const std::string& words) {
        std::string rest;
        if (words == "root") return t_.node(1);
        if (starts(words, "recent ", rest)) return t_.w->tree().topLevelItem(4 + std::stoi(rest));  // after the hint
        if (starts(words, "team ", rest)) return t_.node(teamNode(std::stoi(rest)));
        if (starts(words, "player ", rest))
            return t_.node(playerNode(std::stoi(rest), std::stoi(rest.substr(rest.find('.') + 1))));
        return nullptr;
    }
    // "TEXT in TREE": the line of that tree reading TEXT, or TEXT and its count.
    QTreeWidgetItem* line(const std::string& words) {
        const std::size_t in = words.rfind(" in ");
        auto* tree = qobject_cast<QTreeWidget*>(widget(words.substr(in + 4)));
        const QString text = qs(words.substr(0, in));
        for (QTreeWidgetItemIterator it(tree); tree != nullptr && *it; ++it)
            if ((*it)->text(0) == text || (*it)->text(0).startsWith(text + " (")) return *it;
        ADD_FAILURE() << "no line " << words;
        return nullptr;
    }
    void clickNode(QTreeWidgetItem* n, bool twice = false, Qt::KeyboardModifiers keys = {}) {
        ASSERT_NE(n, nullptr);
        if (n->parent() != nullptr) n->parent()->setExpanded(true);
        QTreeWidget* tree = n->treeWidget();
        ready(tree);
        tree->scrollToItem(n);
        const QPoint at = tree->visualItemRect(n).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, keys, at);
        if (twice) QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    static void type(QLineEdit* box, const QString& text) {
        QTest::mouseClick(ready(box), Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(box, char(c.unicode()));
            else  // characters beyond ASCII come as text without a key code
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
        }
    }
    // Drags a player node onto another node (null: the empty space below the root, every team
    // folded) with the events a drag delivers, carrying what the tree itself gives the node.
    void drag(QTreeWidgetItem* from, QTreeWidgetItem* onto) {
        ProjectTreePanel& tree = t_.w->tree();
        const std::function<QModelIndex(QTreeWidgetItem*)> indexOf = [&](QTreeWidgetItem* item) {
            if (item->parent() == nullptr) return tree.model()->index(tree.indexOfTopLevelItem(item), 0);
            return tree.model()->index(item->parent()->indexOfChild(item), 0, indexOf(item->parent()));
        };
        ASSERT_NE(from, nullptr);
        std::unique_ptr<QMimeData> data(tree.model()->mimeData({indexOf(from)}));
        if (data == nullptr) return;  // a node that is not dragged
        QPoint at(5, tree.viewport()->height() - 2);
        if (onto == nullptr) {
            tree.collapseAll();
        } else {
            if (onto->parent() != nullptr) onto->parent()->setExpanded(true);
            tree.scrollToItem(onto);
            at = tree.visualItemRect(onto).center();
        }
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &move);
        QDropEvent dropped(QPointF(at), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &dropped);
        EXPECT_EQ(move.isAccepted(), dropped.isAccepted());
    }
    // The press, the moves past the drag distance and the release a drag with the mouse takes.
    void mouseDrag(QTreeWidgetItem* from) {
        ASSERT_NE(from, nullptr);
        QWidget* view = t_.w->tree().viewport();
        t_.w->tree().scrollToItem(from);
        const QPoint at = t_.w->tree().visualItemRect(from).center();
        QTimer::singleShot(100, [view, at] { QTest::mouseRelease(view, Qt::LeftButton, {}, at); });
        QTest::mousePress(view, Qt::LeftButton, {}, at);
        QTest::mouseMove(view, at + QPoint(0, 1));
        QTest::mouseMove(view, at + QPoint(0, 2 * QApplication::startDragDistance()));
        QTest::qWait(200);
    }
    static QString textOf(QWidget* c) {
        if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
        if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
        if (auto* list = qobject_cast<QListWidget*>(c)) return list->currentItem() ? list->currentItem()->text() : "";
        if (auto* tree = qobject_cast<QTreeWidget*>(c)) {  // the current line, its columns joined by " | "
            QStringList columns;
            for (int i = 0; tree->currentItem() && i < tree->columnCount(); ++i)
                columns << tree->currentItem()->text(i);
            return columns.join(" | ");
        }
        return c->isWindow() ? c->windowHandle()->title() : c->property("text").toString();
    }
    void keys(const std::string& words) {
        const std::size_t times = words.find('*');
        const QKeySequence seq = QKeySequence::fromString(qs(words.substr(0, times)));
        ASSERT_EQ(seq.count(), 1) << "no step " << words;
        // To the focus of the modal dialogue, else of the active window, that window made active again: a window
        // closed just before may hand the activation back to the main window late.
        QWidget* top = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                       : QApplication::activeWindow() != nullptr    ? QApplication::activeWindow()
                                                                    : t_.w.get();
        QWidget* to = ready(top->focusWidget() != nullptr ? top->focusWidget() : top);
        for (int n = times == std::string::npos ? 1 : std::stoi(words.substr(times + 1)); n > 0; --n)
            QTest::keyClick(to, seq[0].key(), seq[0].keyboardModifiers());
    }

    void step(const std::string& s) {
        std::string r;
        if (starts(s, "open ", r)) {
            t_.dialogs.answers.push_back(choice(r, t_));
            t_.menus().menuFileOpen->trigger();
        } else if (starts(s, "file ", r)) {
            t_.dialogs.answers.push_back(choice(r, t_));
        } else if (starts(s, "answer ", r)) {
            t_.messages.answers.push_back(r);
        } else if (starts(s, "type ", r) || starts(s, "paste ", r)) {
            const std::size_t into = r.rfind(" into ");
            auto* box = qobject_cast<QLineEdit*>(widget(r.substr(into + 6)));
            ASSERT_NE(box, nullptr);
            if (s[0] == 't') return type(box, qs(r.substr(0, into)));
            QGuiApplication::clipboard()->setText(QString::fromUtf8(r.substr(0, into)));
            type(box, {});
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else if (starts(s, "click row ", r)) {
            auto* view = qobject_cast<QAbstractItemView*>(ready(widget(r.substr(r.find(" of ") + 4))));
            ASSERT_NE(view, nullptr);
            const QModelIndex at = view->model()->index(std::stoi(r), 0);
            view->scrollTo(at);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
        } else if (starts(s, "click header ", r)) {
            auto* table = qobject_cast<QTableView*>(ready(widget(r.substr(r.find(" of ") + 4))));
            ASSERT_NE(table, nullptr);
            QHeaderView* header = table->horizontalHeader();
            const int section = std::stoi(r);
            table->scrollTo(table->model()->index(0, section));
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                                     header->height() / 2));
        } else if (starts(s, "click ", r)) {
            if (QTreeWidgetItem* n = node(r)) return clickNode(n);
            QTest::mouseClick(ready(widget(r)), Qt::LeftButton);
        } else if (starts(s, "double-click ", r) && r.find(" in ") != std::string::npos) {
            clickNode(line(r), true);
        } else if (starts(s, "ctrl-click ", r) || starts(s, "shift-click ", r)) {
            clickNode(node(r), false, s[0] == 'c' ? Qt::ControlModifier : Qt::ShiftModifier);
        } else if (starts(s, "double-click ", r)) {
            clickNode(node(r), true);
        } else if (starts(s, "check ", r)) {
            QTreeWidgetItem* n = line(r);
            ASSERT_NE(n, nullptr);
            n->treeWidget()->setCurrentItem(n);
            ready(n->treeWidget())->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(n->treeWidget(), Qt::Key_Space);
        } else if (s == "wait for programs") {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !t_.programs.watching(); }, 10000));
            settle();
        } else if (starts(s, "choose ", r)) {
            auto* combo = qobject_cast<QComboBox*>(widget(r.substr(r.find(" in ") + 4)));
            ASSERT_NE(combo, nullptr);
            ready(combo)->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(combo, Qt::Key_Home);
            for (int i = std::stoi(r); i > 0; --i) QTest::keyClick(combo, Qt::Key_Down);
        } else if (starts(s, "focus ", r)) {
            ready(widget(r))->setFocus(Qt::TabFocusReason);
        } else if (starts(s, "menu ", r)) {
            auto* item = t_.w->findChild<QAction*>(qs(r));
            ASSERT_NE(item, nullptr) << "no menu item " << r;
            item->trigger();
        } else if (starts(s, "show ", r)) {
            emit t_.w->findChild<QMenu*>(qs(r))->aboutToShow();
        } else if (starts(s, "drop ", r)) {
            const std::size_t onto = r.find(" onto ");
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(qs(t_.file(r.substr(0, onto))))});
            QDropEvent e(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(onto == std::string::npos ? t_.w.get() : widget(r.substr(onto + 6)), &e);
            EXPECT_TRUE(e.isAccepted());
        } else if (starts(s, "drag ", r)) {
            const std::size_t onto = r.find(" onto ");
            if (onto == std::string::npos) return mouseDrag(node(r));
            drag(node(r.substr(0, onto)), node(r.substr(onto + 6)));
        } else if (starts(s, "close ", r)) {
            QWidget* window = widget(r);
            window->windowHandle() != nullptr ? (void)window->windowHandle()->close() : (void)window->close();
        } else if (starts(s, "see ", r)) {
            const std::size_t in = r.rfind(" in ");
            const auto* item = t_.w->findChild<QAction*>(qs(r.substr(in + 4)));
            QWidget* c = item != nullptr ? nullptr : widget(r.substr(in + 4));
            ASSERT_TRUE(item != nullptr || c != nullptr);
            EXPECT_EQ(item != nullptr ? item->text().toStdString() : textOf(c).toStdString(), r.substr(0, in));
            EXPECT_TRUE(c == nullptr || c->isVisible()) << r;
        } else if (s == "wait") {
            settle();
            QTest::qWait(50);
        } else {
            keys(s);
        }
    }

    UiTest& t_;
};

}  // namespace

void UiTest::act(const std::string& does) {
    std::vector<std::string> steps;
    for (std::size_t at = 0, next = 0; next != std::string::npos; at = next + 2)
        steps.push_back(does.substr(at, (next = does.find(", ", at)) == std::string::npos ? next : next - at));
    Driver(*this).run(steps, 0);
}

void UiTest::play(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.does);
        const clsProject before = league();
        messages.said.clear();
        act(row.does);
        EXPECT_EQ(row.diff == kOtherLeague ? kOtherLeague : diffLines(before, league()), row.diff);
        EXPECT_EQ(messages.said, row.says);
        if (row.undo) {
            EXPECT_EQ(menus().menuEditUndo->text(), *row.undo != 0 ? QString("&Undo ") + row.undo : "&Undo");
        }
        if (row.check) row.check();
        dialogs.answers.clear();  // answers for dialogues and questions the row did not bring up
        messages.answers.clear();
    }
}
