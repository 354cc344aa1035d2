// Fixture for the description tests: fresh records, and the Main and Database pages' controls.
#pragma once
#include <gtest/gtest.h>

#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"
#include "database/DatabasePage.h"
#include "database/DatabaseTables.h"
#include "database/DescribeProcessor.h"
#include "FakePageControls.h"
#include "resource.h"

class DescribeTest : public ::testing::Test {
protected:
    void SetUp() override {
        processorRecord = {};
        cacheTotals = {};
        describeState = {};
        processorDescription = {};
        FillDatabaseLists(database);
    }
    // The record of a probed processor (vendor index, leaf 1 EAX, brand ID, L2 total).
    void Detected(uint32_t vendorIndex, uint32_t signature, uint32_t brandId, uint32_t l2 = 0) {
        processorRecord.vendorIndex = vendorIndex;
        processorRecord.signature = signature;
        processorRecord.cpuStepping = signature & 0xF;
        processorRecord.cpuModel = (signature >> 4) & 0xF;
        processorRecord.cpuFamily = (signature >> 8) & 0xF;
        processorRecord.cpuType = (signature >> 12) & 0x7;
        processorRecord.brandId = brandId;
        cacheTotals.l2 = l2;
        describeState.showingDetected = 1;
    }
    FakePageControls main{IDC_MAIN_VENDOR, IDC_MAIN_TYPE, IDC_MAIN_STEPPING, IDC_MAIN_FAMILY, IDC_MAIN_MODEL,
                          IDC_MAIN_BRAND_ID, IDC_MAIN_BRAND_STRING, IDC_MAIN_CODE_NAME, IDC_MAIN_L1_TOTAL,
                          IDC_MAIN_L1_DATA, IDC_MAIN_L1_INST, IDC_MAIN_L2, IDC_MAIN_L3, IDC_MAIN_PROCESSOR};
    FakePageControls database{IDC_DB_MODEL_LINE, IDC_DB_CODE_NAME, IDC_DB_VENDOR_LIST, IDC_DB_BRAND_LIST,
                              IDC_DB_TYPE_LIST, IDC_DB_FAMILY_LIST, IDC_DB_MODEL, IDC_DB_COMMENTARY,
                              IDC_DB_STATS_DATE, IDC_DB_STATS_GATES, IDC_DB_STATS_FREQ, IDC_DB_STATS_BUS,
                              IDC_DB_STATS_L1, IDC_DB_STATS_L2, IDC_DB_STATS_L3, IDC_DB_PROCESSOR,
                              IDC_DB_TYPE_STATUS, IDC_DB_BRAND_STATUS, IDC_DB_FAMILY_STATUS, IDC_DB_L2_LIST,
                              IDC_DB_VENDOR_STRING};
};
