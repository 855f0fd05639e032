// Every kind of document goes the same way through the program: made new,
// saved, opened again, reported and exported. Adding a kind adds a row here
// without a line of this test changing.
#include "commands/DocumentReport.h"
#include "commands/PdfExportCommand.h"
#include "documents/DocumentTemplates.h"
#include "documents/JobBaseDoc.h"
#include "records/DocumentKind.h"
#include "records/JobBase.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class EveryKind : public ::testing::TestWithParam<const DocumentKind*>
{
};

TEST_P(EveryKind, GoesFromNewToSavedOpenedReportedAndExported)
{
    const DocumentKind& kind = *GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DocumentTemplates templates;
    templates.registerJobTemplates();
    DocumentTemplate* documentTemplate = templates.byResource(kind.resourceId);
    ASSERT_NE(documentTemplate, nullptr);

    std::unique_ptr<Document> created = documentTemplate->createDocument();
    auto* document = dynamic_cast<JobBaseDoc*>(created.get());
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(document->onNewDocument());
    JobBase& record = *document->record();
    EXPECT_EQ(&record.kind(), &kind);
    record.customer.surname = "Okafor";
    record.description = "Replace the cylinder";
    const QString path = dir.filePath(QStringLiteral("new.") + QLatin1String(kind.extension));
    ASSERT_TRUE(document->saveAs(path));
    const DocumentSummary saved = record.summary(FigureInputs());
    const ombrel::OMString description = record.description;
    created.reset();

    std::unique_ptr<Document> opened = templates.openDocumentFile(path);
    ASSERT_NE(opened, nullptr);
    const JobBase& reread = *static_cast<JobBaseDoc&>(*opened).record();
    EXPECT_EQ(&reread.kind(), &kind);
    const DocumentSummary summary = reread.summary(FigureInputs());
    EXPECT_EQ(summary.number, saved.number);
    EXPECT_EQ(summary.customer, saved.customer);
    EXPECT_EQ(summary.gross, saved.gross);
    EXPECT_EQ(reread.description, description);

    const DocumentReport report({path});
    ASSERT_FALSE(report.hasErrors());
    const QJsonObject entry =
        QJsonDocument::fromJson(report.toJson().toUtf8()).array().at(0).toObject();
    EXPECT_EQ(entry["kind"].toString(), QLatin1String(kind.name));
    EXPECT_EQ(entry["number"].toInt(), int(saved.number));

    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QString error;
    EXPECT_TRUE(PdfExportCommand::run({path, pdf, {}, {}}, &error)) << error.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(page.contains(QString::fromLatin1(kind.title).toUpper())) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Okafor")));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::ValuesIn(DocumentKind::all()),
                         // The file's name for the kind: one word, as test names must be.
                         [](const auto& info) { return std::string(info.param->name); });
