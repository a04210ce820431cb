#pragma once
// (being built)
