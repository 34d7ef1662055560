#pragma once

#include "texts/Text.h"

// The settings sheet, the product and setting CSV files and their messages.
enum class ReportText {
    NotText,
    UnknownEncoding,
    UnclosedQuote,
    ColumnPlace,  // the columns of the differences, the settings and the products
    ColumnWindowValue,
    ColumnOtherValue,
    ColumnMeaning,
    ColumnCode,
    ColumnItem,
    ColumnSetting,
    ColumnProductNumber,
    SectionSettings,  // the sheet's sections
    SectionProducts,
    ProductCsvRefused,  // %1: why
    NotFiveDigits,
    OutOfMask,  // %1: the mask
    EmptyFile,
    NotProductCsv,            // %1: the first item's label
    FieldFault,               // %1: line, %2: column, %3: why
    LineFault,                // %1: line, %2: why
    ColumnCountDiffers,       // %1: columns of the heading, %2: of the line
    ProductNumberOutOfRange,  // %1: the highest number, %2: the cell
    DuplicateProduct,         // %1: product, %2: the other line
    MoreFaults,               // %1: how many more
    NoProductRows,
    CannotOpen,      // %1: why
    ProductsLoaded,  // %1: how many
    Seconds,         // %1: a time
    SheetTitle,      // %1: the model
    HeaderModel,
    HeaderCreated,
    HeaderDevice,
    HeaderOrigin,  // %1: where the data came from
    Edited,        // after the origin
    HeaderProgram,
    EmptyProductsOmitted,  // %1: the product numbers, as ranges
    RangeJoiner,           // between two ranges of numbers
    PageNumber,            // %1: page, %2: pages
    ItemBullet,            // %1: a packed setting's item
    PdfFailed,
    CertificateTitle,  // the test certificate
    CertCustomer,
    CertSite,
    CertInstrument,   // %1: model, %2: serial number
    CertCapacity,     // %1: Max, %2: e
    CertClass,        // %1: accuracy class, %2: initial verification or in service
    CertCustomClass,  // %1: the MPE
    CertInitial,
    CertInService,
    CertTechnician,
    CertDate,
    CertWeights,
    CertNominal,
    CertWeightCertificate,
    CertAsFound,
    CertAsLeft,
    CertAdjustments,  // %1: what was adjusted
    CertNoAdjustment,
    CertPoint,  // the columns of a run's table
    CertLoad,
    CertReading,
    CertError,
    CertErrorE,
    CertMpe,
    CertResult,
    CertPass,
    CertFail,
    CertNotRead,
    CertZero,  // the points' kinds
    CertRising,
    CertFalling,
    CertRepeat,
    CertRepeatability,  // %1: spread, %2: MPE, %3: result
    CertOverall,        // %1: result
    CertIncomplete,
    CertRule,
    CertSettings,
    CertSignatures,
};

QString Tr(ReportText id);
void AddReportSources(std::vector<texts::Source>& into);
