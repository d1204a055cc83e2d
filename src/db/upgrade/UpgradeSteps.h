#pragma once

struct UpgradeContext;

// One step of the upgrade chain each: brings a file of the previous format to
// this one in one transaction, tells it, and answers true; a failure leaves
// the file at the previous format (the failing statement has been shown).
bool UpgradeTo2(UpgradeContext& context);
bool UpgradeTo3(UpgradeContext& context);
bool UpgradeTo4(UpgradeContext& context);
bool UpgradeTo5(UpgradeContext& context);
bool UpgradeTo6(UpgradeContext& context);
bool UpgradeTo7(UpgradeContext& context);
bool UpgradeTo8(UpgradeContext& context);
bool UpgradeTo9(UpgradeContext& context);
bool UpgradeTo10(UpgradeContext& context);
bool UpgradeTo11(UpgradeContext& context);
bool UpgradeTo12(UpgradeContext& context);
bool UpgradeTo13(UpgradeContext& context);
bool UpgradeTo14(UpgradeContext& context);

// The step that brings a file to `version` (2 to 14).
bool UpgradeTo(int version, UpgradeContext& context);
