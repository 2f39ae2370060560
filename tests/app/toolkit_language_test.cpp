// Qt's own windows speak Japanese as the clock does, whatever the system's language: the file
// dialog of the PDF save, in the toolkit's own form (the one Linux desktops without a platform
// dialog get), names its columns and places in Japanese. On Windows the catalogue is the one
// compiled into the program.
#include "app/toolkit_language.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Every column title of the dialog's file list and every place in its side bar.
QStringList ShownWords(const QFileDialog& dialog) {
    QStringList words;
    for (const QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            words << model->headerData(column, Qt::Horizontal).toString();
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            words << model->index(row, 0).data().toString();
        }
    }
    return words;
}

TEST(ToolkitLanguage, theFileDialogNamesItsColumnsAndPlacesInJapaneseUnderAnyLocale) {
    for (const QLocale& locale : {QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c()}) {
        QLocale::setDefault(locale);
        QTranslator* japanese = SpeakJapaneseInToolkitWindows();
        ASSERT_NE(japanese, nullptr) << "no Japanese catalogue of Qt's";
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList words = ShownWords(dialog);
        QCoreApplication::removeTranslator(japanese);
        delete japanese;
        for (const char* word : {"名前", "サイズ", "タイプ", "更新日"}) {
            EXPECT_TRUE(words.contains(QString::fromUtf8(word)))
                << word << " in " << words.join(u' ').toStdString();
        }
        // "コンピュータ", on Windows "マイコンピュータ".
        EXPECT_FALSE(words.filter(QStringLiteral("コンピュータ")).isEmpty())
            << words.join(u' ').toStdString();
        EXPECT_FALSE(words.contains(QStringLiteral("Name")));
    }
    QLocale::setDefault(QLocale::system());
}

}  // namespace
