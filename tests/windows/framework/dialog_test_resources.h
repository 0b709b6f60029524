#pragma once

#define kTestPageTemplate 300
#define kTestPageLabel 301
#define kTestPageButton 302
