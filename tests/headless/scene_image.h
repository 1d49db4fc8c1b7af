// Everything undo has to restore, in a form tests compare: each object of a
// document in pre-order with its depth, its identity, name, container,
// points and matrix. Building the image also checks that the hierarchy's
// links agree.
#ifndef TESTS_HEADLESS_SCENE_IMAGE_H
#define TESTS_HEADLESS_SCENE_IMAGE_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless/scene.h"

namespace tests
{

struct ObjectImage
{
	const headless::Object* object = nullptr;
	std::size_t depth = 0;
	std::string name;
	headless::Container data;
	std::vector<double> points;
	headless::Matrix matrix;
	bool operator==(const ObjectImage&) const = default;
};

inline void PrintTo(const ObjectImage& image, std::ostream* out)
{
	*out << std::string(2 * image.depth, ' ') << image.object->Type() << " '" << image.name << "' with " << image.data.Entries().size()
		 << " entries";
}

inline void AddImage(const headless::Document& document, const headless::Object* parent, const std::vector<headless::Object*>& objects,
	std::size_t depth, std::vector<ObjectImage>& image)
{
	for (const headless::Object* object : objects)
	{
		EXPECT_EQ(object->parent, parent);
		EXPECT_EQ(object->document, &document);
		EXPECT_TRUE(object->inTree);
		image.push_back(ObjectImage { object, depth, object->name, object->data, object->points, object->matrix });
		AddImage(document, object, object->children, depth + 1, image);
	}
}

inline std::vector<ObjectImage> ImageOf(const headless::Document& document)
{
	std::vector<ObjectImage> image;
	AddImage(document, nullptr, document.roots, 0, image);
	return image;
}

} // namespace tests

#endif
